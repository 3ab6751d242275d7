// SPDX-License-Identifier: MIT
// The page's search worker: a second engine, built from the same module as the page's, that
// makes the budget searches the page's model leaves to it, so that a rare band never holds the
// page (search_binding.cpp). Its first message starts the engine: {engine, the engine's script
// text as the page's loader kept it; module, the compiled WebAssembly module, or null where the
// script carries its own; shipped, {file name: bytes} for the shipped files the script lacks}.
// Each later message, {id, state, op}, puts the page model's state in this engine's model, makes
// the draw `op` asks for ({kind: 'generate', request}, {kind: 'redraw', record} or {kind:
// 'reroll', group, slot, others} of the force shown) and posts back {id, searches}: what the
// model found, for the page's model to draw the same tries; or {id, failed} with the reason.

function search({id, state, op}) {
  const failed = Module.takeSearchState(state);
  if (failed !== '') {
    postMessage({id, failed});
    return;
  }
  if (op.kind === 'generate') {
    Module.generateListing(op.request);
  } else if (op.kind === 'redraw') {
    Module.redrawRecord(op.record);
  } else {
    Module.redrawRecord(state.shown);
    Module.rerollShown(op.group, op.slot, op.others);
  }
  postMessage({id, searches: Module.searchesFound()});
}

onmessage = (start) => {
  const {engine, module, shipped} = start.data;
  const waiting = [];
  onmessage = (event) => waiting.push(event.data);
  globalThis.Module = {
    preRun: [() => {
      for (const [name, bytes] of Object.entries(shipped)) {
        Module.FS_createPath('/', 'shipped', true, true);
        Module.FS_createDataFile('/shipped', name, new Uint8Array(bytes), true, false, false);
      }
    }],
    onRuntimeInitialized: () => {
      Module.startModel();
      onmessage = (event) => search(event.data);
      waiting.forEach(search);
    },
    onAbort: (what) => postMessage({id: -1, failed: String(what)}),
  };
  if (module !== null) {
    Module.instantiateWasm = (imports, receive) => {
      WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
      return {};
    };
  }
  importScripts(URL.createObjectURL(new Blob([engine], {type: 'text/javascript'})));
};
