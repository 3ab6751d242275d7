// SPDX-License-Identifier: MIT
// The site's service worker: keeps every file of the site in one cache and answers from it, so
// the page opens and draws forces offline after one visit. The cache is named by a checksum of
// the site's files (written in when the site is built), so a site with any file changed installs
// into a new cache and then removes the old one. Each copy of the site (its scope) keeps its own.
const kCachePrefix = `musterwright ${self.registration.scope} `;
const kCache = kCachePrefix + '@CHECKSUM@';
const kFiles = [@FILES@];

self.addEventListener('install', (event) => {
  // Past the browser's own cache, which may still hold a file of the site it replaces.
  const requests = kFiles.map((file) => new Request(file, {cache: 'reload'}));
  event.waitUntil(caches.open(kCache)
                      .then((cache) => cache.addAll(requests))
                      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
                      .then((names) => Promise.all(
                                names.filter((name) => name.startsWith(kCachePrefix) &&
                                                       name !== kCache)
                                    .map((name) => caches.delete(name))))
                      .then(() => self.clients.claim()));
});

// A file of the site comes from the cache (an address's query ignored); anything else, and
// a file the cache lacks, from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(kCache).then(
      async (cache) => (await cache.match(event.request, {ignoreSearch: true})) ??
                       fetch(event.request)));
});
