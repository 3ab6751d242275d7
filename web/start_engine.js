// SPDX-License-Identifier: MIT
// Starts the engine once the form's first frame is painted: the glue, with the engine inside
// it, waits until then as the text of the script element "Engine", so the form shows at once.
requestAnimationFrame(() => setTimeout(() => {
  performance.mark('engine start');
  const engine = document.createElement('script');
  engine.text = document.getElementById('Engine').text;
  document.body.append(engine);
}));
