// SPDX-License-Identifier: MIT
// The site's loader, run before page.js: gives it and the engine's glue (musterwright.js) the
// Module they share, puts the shipped Tables.dat into the engine's file system before the
// engine starts, fetches the glue and compiles the engine (musterwright.wasm) while the page
// loads, runs the glue once the page's scripts have run, keeps both for the page's search
// worker (search_worker.js, an engine of its own built from the same module), says so on the
// page when the glue or Tables.dat cannot be fetched (the engine's own .wasm failing ends in
// Module.onAbort), fetches the shipped Designs.csv and Skills.csv and the panels' scripts when
// the page asks, and registers the service worker (sw.js) that keeps the site for offline use.
var Module = globalThis.Module || {};

function siteFileMissing(what, reason) {
  pageEngineFailed(`${what} could not be loaded (${reason}). Musterwright needs it once, while ` +
                   'online; after that first visit it works offline.');
}

function fetchShipped(name, as = 'arrayBuffer') {
  return fetch(name).then((response) => {
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    return response[as]();
  });
}

// Puts the fetched file `name` at /shipped/`name`.
function putShipped(name, bytes) {
  Module.FS_createPath('/', 'shipped', true, true);
  Module.FS_createDataFile('/shipped', name, new Uint8Array(bytes), true, false, false);
}

const shippedTables = fetchShipped('Tables.dat');
// The shipped design list and skill table, fetched with the panels' scripts: nothing drawn
// before them needs them.
const shippedLater = {};
function fetchedLater(name) {
  shippedLater[name] ??= fetchShipped(name);
  return shippedLater[name];
}
const kShippedLater = ['Designs.csv', 'Skills.csv'];
const engineText = fetchShipped('musterwright.js', 'text');
// Compiled while it downloads where the server names it as WebAssembly.
const engineModule = fetch('musterwright.wasm').then((response) => {
  if (!response.ok) throw new Error(`musterwright.wasm: ${response.status} ${response.statusText}`);
  return response.headers.get('Content-Type') === 'application/wasm' ?
      WebAssembly.compileStreaming(response) :
      response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
});

// The engine waits for Tables.dat.
Module.preRun = [() => {
  Module.addRunDependency('Tables.dat');
  shippedTables.then((bytes) => {
    putShipped('Tables.dat', bytes);
    Module.removeRunDependency('Tables.dat');
  }, (error) => siteFileMissing('The shipped table file, Tables.dat,', error.message));
}];

Module.instantiateWasm = (imports, receive) => {
  engineModule.then((module) => WebAssembly.instantiate(module, imports)
                                     .then((instance) => receive(instance, module)))
      .catch((error) => Module.onAbort(error.message));
  return {};
};

// What the page's search worker starts from: the glue and the compiled module kept here, and
// the shipped files, which the glue does not hold.
Module.searchWorkerStart = async () => {
  const shipped = {'Tables.dat': await shippedTables};
  for (const name of kShippedLater) {
    try {
      shipped[name] = await fetchedLater(name);
    } catch {
      // The page's engine has none either.
    }
  }
  return {url: 'search_worker.js', engine: await engineText, module: await engineModule, shipped};
};

// Puts `element`, which fetches the file `name`, into the page, and settles once it has loaded.
function loaded(element, name) {
  return new Promise((resolve, reject) => {
    element.onload = resolve;
    element.onerror = () => reject(new Error(`${name} could not be fetched`));
    document.body.append(element);
  });
}

// The design list, the skill table, and the scripts and styles of the force shown and of the
// panels, which page.js asks for once Generate is enabled (afterPanels): a first visit fetches
// them after what the start needs. Without the design list the page still draws, its tons and
// points unknown; without the skill table its totals leave crew skill out.
Module.loadPanels = () => Promise.all([
  Promise.all(kShippedLater.map((name) => fetchedLater(name).then(
                                    (bytes) => putShipped(name, bytes), () => {})))
      .then(() => Module.shippedFilesArrived()),
  ...['force_view.js', 'collection_panel.js', 'design_panel.js'].map(
      (name) => loaded(Object.assign(document.createElement('script'), {src: name}), name)),
  loaded(Object.assign(document.createElement('link'), {rel: 'stylesheet', href: 'panels.css'}),
         'panels.css'),
]);

// The glue runs once page.js has given the Module its handlers, from the text fetched, as a
// script of its own address, which the browser compiles aside as it does a script file.
addEventListener('DOMContentLoaded', () => {
  engineText.then((text) => {
    const engine = document.createElement('script');
    engine.src = URL.createObjectURL(new Blob([text], {type: 'text/javascript'}));
    document.body.append(engine);
  }, (error) => siteFileMissing("Musterwright's engine", `musterwright.js: ${error.message}`));
});

// In a task of its own after the load, which ends the task that runs the scripts.
if ('serviceWorker' in navigator) {
  addEventListener('load', () => setTimeout(() => {
    navigator.serviceWorker.register('sw.js').catch((error) => {
      console.warn(`Musterwright will not work offline: ${error.message}`);
    });
  }));
}
