// SPDX-License-Identifier: MIT
// Starts the engine once the browser reports the form's first paint: the glue, with the engine
// inside it, waits until then as the text of the script element "Engine", so the form shows at
// once. A browser that reports no paints starts it after the first frame.
function startEngine() {
  performance.mark('engine start');
  const engine = document.createElement('script');
  engine.text = document.getElementById('Engine').text;
  document.body.append(engine);
}

if (PerformanceObserver.supportedEntryTypes?.includes('paint')) {
  new PerformanceObserver((paints, observer) => {
    observer.disconnect();
    startEngine();
  }).observe({type: 'paint', buffered: true});
} else {
  requestAnimationFrame(() => setTimeout(startEngine));
}
