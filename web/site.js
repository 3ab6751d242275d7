// SPDX-License-Identifier: MIT
// The site's loader, run before page.js and the glue (musterwright.js): gives them the Module
// they share, puts the shipped Tables.dat, Designs.csv and Skills.csv into the engine's file system before
// the engine starts, says so on the page when the glue or Tables.dat cannot be fetched (the
// engine's own .wasm failing ends in Module.onAbort), and registers the service worker (sw.js)
// that keeps the site for offline use.
var Module = globalThis.Module || {};

function siteFileMissing(what, reason) {
  pageEngineFailed(`${what} could not be loaded (${reason}). Musterwright needs it once, while ` +
                   'online; after that first visit it works offline.');
}

function fetchShipped(name) {
  return fetch(name).then((response) => {
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    return response.arrayBuffer();
  });
}

// Puts the fetched file `name` at /shipped/`name`, the engine waiting for it.
function putShipped(name, fetched, onFailure) {
  Module.addRunDependency(name);
  fetched.then((bytes) => {
    Module.FS_createPath('/', 'shipped', true, true);
    Module.FS_createDataFile('/shipped', name, new Uint8Array(bytes), true, false, false);
    Module.removeRunDependency(name);
  }, onFailure);
}

const shippedTables = fetchShipped('Tables.dat');
const shippedDesigns = fetchShipped('Designs.csv');
const shippedSkills = fetchShipped('Skills.csv');

Module.preRun = [() => {
  putShipped('Tables.dat', shippedTables,
             (error) => siteFileMissing('The shipped table file, Tables.dat,', error.message));
  // Without the design list the page still draws; its tons and points are then unknown.
  putShipped('Designs.csv', shippedDesigns, () => Module.removeRunDependency('Designs.csv'));
  // Nor without the skill table: its totals then leave crew skill out.
  putShipped('Skills.csv', shippedSkills, () => Module.removeRunDependency('Skills.csv'));
}];

document.querySelector('script[src="musterwright.js"]').addEventListener('error', () => {
  siteFileMissing("Musterwright's engine", 'musterwright.js did not arrive');
});

// In a task of its own after the load, which ends the task that runs the scripts.
if ('serviceWorker' in navigator) {
  addEventListener('load', () => setTimeout(() => {
    navigator.serviceWorker.register('sw.js').catch((error) => {
      console.warn(`Musterwright will not work offline: ${error.message}`);
    });
  }));
}
