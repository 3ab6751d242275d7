// SPDX-License-Identifier: MIT
// Starts the engine once the browser reports the form's first paint: the glue, with the engine
// inside it, waits until then as the text of the script element "Engine", so the form shows at
// once. A browser that reports no paints starts it after the first frame. The same text, with
// the search worker's script (the element "SearchWorker"), starts the page's search worker, an
// engine of its own that holds the shipped files as the page's does.
function startEngine() {
  performance.mark('engine start');
  const engine = document.createElement('script');
  engine.text = document.getElementById('Engine').text;
  document.body.append(engine);
}

Module.searchWorkerStart = async () => ({
  url: URL.createObjectURL(new Blob([document.getElementById('SearchWorker').text],
                                    {type: 'text/javascript'})),
  engine: document.getElementById('Engine').text,
  module: null,
  shipped: {},
});

if (PerformanceObserver.supportedEntryTypes?.includes('paint')) {
  new PerformanceObserver((paints, observer) => {
    observer.disconnect();
    startEngine();
  }).observe({type: 'paint', buffered: true});
} else {
  requestAnimationFrame(() => setTimeout(startEngine));
}
