// SPDX-License-Identifier: MIT
// The page's script: starts the engine (binding.cpp, reached through the global Module) and
// wires the form's controls to it, keeps the table file remembered in browser storage, and
// shows the message line. The force shown, as a roster and as its listing text, and the forces
// drawn in this visit (undo, redo, the browser's Back and Forward, the address's fragment) are
// force_view.js's, which a site fetches once Generate is enabled. Every force, listing, table
// check and saved text comes from the engine.
//
// The fragment holds the choices, the seed and the re-rolls of the force shown, e.g.
// "#house=Wolf&size=Star&weight=Random&experience=Elite&vehicles=1&seed=42&r=2-4,3.1,2" (no r
// before the first re-roll), and t, the checksum of the table file it was drawn from, when that
// is not the shipped one; c, the identity of the collection drawn from, and unique=1 for each
// design once (collection_panel.js), where the force was drawn so; d, the identity of the design
// list it was drawn with, after the seed; points, tons or skill_points, the budget it was drawn
// within (design_panel.js). Opening a link ignores keys it does not know, so later
// additions fit beside these.

if (globalThis.Module === undefined) globalThis.Module = {};

const kLinkKeys = {
  HouseBox: 'house',
  SizeBox: 'size',
  WeightBox: 'weight',
  ExperienceBox: 'experience',
};
const kStoredName = 'musterwright.tableFile.name';
const kStoredBytes = 'musterwright.tableFile.bytes';
// The base of laid-out tables in use, as the engine gives it ({name, shipped, bytes}), its bytes
// in base64; absent for a table file that is its own base.
const kStoredBase = 'musterwright.tableFile.base';
const kStoredForces = 'musterwright.forces';
const kStoredView = 'musterwright.view';
const kKindWords = {'mech': 'Mech', 'vehicle': 'vehicle', 'battle armour': 'battle armour'};
// The controls that need the engine, enabled once it runs; the rest wait for a force.
const kEngineControls = ['HouseBox', 'SizeBox', 'ExperienceBox', 'WeightBox', 'Vehicle',
                         'GButton', 'ToFile', 'FileName', 'PrintButton', 'SeedBox',
                         'ChooseTables', 'RosterView', 'TextView', 'BudgetText', 'BudgetUnit'];
// The controls that the panels wire, enabled with them once the engine runs.
const kPanelControls = ['OwnedBox', 'UniqueBox', 'ImportCollection', 'ExportCollection',
                        'CollectionFilter', 'OpenCollection', 'ImportDesigns', 'ImportSkills'];

function element(id) {
  return document.getElementById(id);
}

function make(tag, text = '', className = '') {
  const made = document.createElement(tag);
  made.textContent = text;
  if (className !== '') made.className = className;
  return made;
}

// Gives `node` the text `text`, leaving it as it is when it has it already: a re-roll changes
// little, and the browser then lays out only what did change.
function setText(node, text) {
  if (node.textContent !== text) node.textContent = text;
}

// Shows `text` in the message line ("failure" or "notice"); an empty text hides the line. A
// message caused by the control `near` that would show out of sight, away from it, shows in
// a bar at the edge of the screen away from the control instead (the bottom, or the top for a
// control in the screen's lower half), until the next message or a tap on it.
function showMessage(text, kind = 'failure', near = null) {
  const line = element('Message');
  // The engine's messages open with a capital here, as in the window's boxes, once it runs.
  setText(line, Module.boxMessage?.(text) ?? text);
  line.className = kind;
  line.hidden = text === '';
  if (line.hidden || near === null) return;
  const box = line.getBoundingClientRect();
  if (box.top >= 0 && box.bottom <= innerHeight) return;
  const control = near.getBoundingClientRect();
  line.classList.add('floating');
  line.classList.toggle('top', control.top + control.height / 2 > innerHeight / 2);
}

// Says `text` to screen readers once, without moving the focus.
function announce(text) {
  element('Announce').textContent = '';
  setTimeout(() => { element('Announce').textContent = text; }, 50);
}

let engineFailed = false;

// Disables every control and shows why the engine cannot serve the page; the first reason
// given is the one shown.
function pageEngineFailed(reason) {
  if (engineFailed) return;
  engineFailed = true;
  for (const control of document.querySelectorAll(
           '#Form1 button, #Form1 select, #Form1 input, #Form1 textarea'))
    control.disabled = true;
  element('SeedLabel').value = '';
  element('TablesInUse').hidden = true;
  showMessage(reason);
}

function lists() {
  return Object.keys(kLinkKeys).map(element);
}

function toBase64(bytes) {
  let text = '';
  for (let start = 0; start < bytes.length; start += 0x8000)
    text += String.fromCharCode.apply(null, bytes.subarray(start, start + 0x8000));
  return btoa(text);
}

function fromBase64(text) {
  return Uint8Array.from(atob(text), (character) => character.charCodeAt(0));
}

// The table file in use, as messages name it: "Tables.dat (shipped)" or "<name> (yours)".
let tablesInUse = '';
// The engine's warning for a table file in use that fails its check, shown beside every force
// drawn from it; '' for a sound file.
let tablesWarning = '';

// The scripts of the force shown and of the panels, force_view.js, collection_panel.js and
// design_panel.js: held by the single file, and started with the page; a site fetches them once
// Generate is enabled (Module.loadPanels, site.js), so that a first visit fetches less before
// it. What needs them waits for them (afterPanels).
let panelsHeld = Module.loadPanels === undefined;
let panelsStarting = null;

function startPanels() {
  startForceView();
  startCollectionPanel();
  startDesignPanel();
}

function enablePanelControls() {
  for (const id of kPanelControls) element(id).disabled = false;
}

// Runs `action` once the panels have started: at once where they have, else once a site has
// fetched them and started them with the collection of the table file in use.
function afterPanels(action) {
  if (panelsHeld) {
    action();
    return;
  }
  panelsStarting ??= Module.loadPanels().then(() => {
    startPanels();
    tablesChangedForCollection();
    enablePanelControls();
    panelsHeld = true;
  });
  panelsStarting.then(action, (error) => showMessage(
      `Part of the page could not be loaded (${error.message}); reload the page, while online.`));
}

function showTablesInUse(name, shipped, warning = '') {
  tablesInUse = `${name} (${shipped ? 'shipped' : 'yours'})`;
  tablesWarning = warning;
  element('TablesInUse').textContent = 'Table file: ' + tablesInUse;
  element('ShippedTables').hidden = shipped;
  element('ShippedTables').disabled = shipped;
  // Panels started later read the table file in use as they start.
  if (panelsHeld) tablesChangedForCollection();
}

function forgetTables() {
  try {
    localStorage.removeItem(kStoredName);
    localStorage.removeItem(kStoredBytes);
    localStorage.removeItem(kStoredBase);
  } catch {
    // Storage that cannot be read holds nothing of ours to forget.
  }
}

function useShippedTables() {
  const problem = Module.useShippedTables();
  if (problem !== '') {
    showMessage(problem);
    return;
  }
  forgetTables();
  showTablesInUse('Tables.dat', true);
}

// Uses the user's table file when the engine can read it, showing its warning when it fails its
// check; else shows why and keeps the file in use. Tables laid out from a design list come with
// their `base` (the engine's, as kept); any other file is its own base. Returns whether it is
// now in use.
function useOwnTables(name, bytes, refusal, near = null, base = null) {
  const result = base === null ? Module.useTables(bytes, name) :
                                 Module.useMadeTables(bytes, name, base);
  if (result.error !== undefined) {
    showMessage(refusal + '\n' + result.error, 'failure', near);
    return false;
  }
  showTablesInUse(name, false, result.warning.join('\n'));
  showMessage(tablesWarning, 'notice', near);
  return true;
}

async function chooseTables(file) {
  const inUse = tablesInUse;
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    showMessage(`${file.name} could not be read (${error.message}). ${inUse} stays in use.`,
                'failure', element('ChooseTables'));
    return;
  }
  if (useOwnTables(file.name, bytes, `${file.name} was not taken; ${inUse} stays in use.`,
                   element('ChooseTables')))
    keepTables(file.name, bytes);
}

// Keeps the table file in use, `bytes` named `name`, for the next visit, with the `base` of
// laid-out tables.
function keepTables(name, bytes, base = null) {
  try {
    forgetTables();
    localStorage.setItem(kStoredBytes, toBase64(bytes));
    localStorage.setItem(kStoredName, name);
    if (base !== null)
      localStorage.setItem(kStoredBase, JSON.stringify({...base, bytes: toBase64(base.bytes)}));
  } catch (error) {
    forgetTables();
    showMessage(`${name} is in use, but the browser would not keep it for your next ` +
                `visit (${error.message}); choose it again then.`);
  }
}

// The file kept in storage from an earlier visit under `nameKey` and `contentKey`: {name,
// content}; both null when nothing is kept or storage is closed to the page (choosing a file
// then says so).
function keptFile(nameKey, contentKey) {
  try {
    const name = localStorage.getItem(nameKey);
    const content = localStorage.getItem(contentKey);
    if (name !== null && content !== null) return {name, content};
  } catch {
    // Storage closed to the page keeps nothing.
  }
  return {name: null, content: null};
}

// The table file remembered from an earlier visit, `kept` (keptFile, with the base of laid-out
// tables), checked again, or the shipped one.
function restoreTables(kept) {
  const {name, content: stored, base: storedBase} = kept;
  const keptFrom = `The table file kept from your last visit, ${name},`;
  let bytes = null;
  let base = null;
  try {
    if (stored !== null) bytes = fromBase64(stored);
    if (storedBase) {
      base = JSON.parse(storedBase);
      base.bytes = fromBase64(base.bytes);
    }
  } catch {
    bytes = null;
    showMessage(`${keptFrom} could not be read back; the shipped one is in use.`);
  }
  if (bytes !== null &&
      useOwnTables(name, bytes, `${keptFrom} can no longer be read; the shipped one is in use.`,
                   null, base))
    return;
  useShippedTables();
}

function onEnter(control, action) {
  control.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    action(event);
  });
}

// "Keep the screen on": while it is ticked and the page is in view, the browser keeps the
// screen from going dark (the Screen Wake Lock API, which lets the lock go whenever the page
// leaves the view; it is taken again when the page comes back). The switch is remembered, and
// hidden where the browser lacks the API.
const kStoredWake = 'musterwright.keepScreenOn';
let wakeLock = null;

async function takeWakeLock() {
  const box = element('WakeBox');
  if (!box.checked || document.visibilityState !== 'visible' || wakeLock !== null) return;
  try {
    wakeLock = await navigator.wakeLock.request('screen');
    wakeLock.addEventListener('release', () => { wakeLock = null; });
  } catch (error) {
    box.checked = false;
    showMessage(`The browser would not keep the screen on (${error.message}).`, 'failure',
                element('WakeLabel'));
  }
}

function onWakeSwitch() {
  const on = element('WakeBox').checked;
  try {
    localStorage.setItem(kStoredWake, on ? '1' : '0');
  } catch {
    // The switch then starts off next visit.
  }
  if (on)
    takeWakeLock();
  else
    wakeLock?.release();
}

function startWakeSwitch() {
  if (!('wakeLock' in navigator)) return;
  element('WakeLabel').hidden = false;
  try {
    element('WakeBox').checked = localStorage.getItem(kStoredWake) === '1';
  } catch {
    // Storage closed to the page: the switch starts off.
  }
  element('WakeBox').addEventListener('change', onWakeSwitch);
  document.addEventListener('visibilitychange', takeWakeLock);
  takeWakeLock();
}

// Lets the browser paint and answer taps before the start goes on, so that the start is several
// short tasks rather than one long one.
function nextTask() {
  return globalThis.scheduler?.yield?.() ?? new Promise((resolve) => setTimeout(resolve));
}

// Starts the page once the engine has started: every control stays disabled until the end.
async function startPage() {
  await nextTask();
  if (engineFailed) return;
  for (const list of lists()) {
    const placeholder = list.querySelector('option[value=""]');
    list.replaceChildren(...(placeholder ? [placeholder] : []),
                         ...Module.choiceList(list.id).map((word) => new Option(word, word)));
  }
  await nextTask();
  // Opening the browser's storage takes a task of its own, as do the engine's reads.
  const keptTables = keptFile(kStoredName, kStoredBytes);
  try {
    keptTables.base = localStorage.getItem(kStoredBase);
  } catch {
    // Storage closed to the page keeps no base either.
  }
  await nextTask();
  Module.startModel();
  await nextTask();
  Module.findDesignList();
  await nextTask();
  restoreTables(keptTables);
  await nextTask();
  if (panelsHeld) {
    startPanels();
    await nextTask();
  }
  // A refusal shows in view of the control that asked: the button, or the box Enter was
  // pressed in.
  const generateWithSeedBox = (event) => {
    const near = event.currentTarget ?? element('GButton');
    afterPanels(() => generate(element('SeedBox').value, near));
  };
  const showSeedNote = () => {
    const note = element('SeedNote');
    note.value = Module.seedBoxNotice(element('SeedBox').value);
    note.hidden = note.value === '';
  };
  element('SeedBox').addEventListener('input', showSeedNote);
  showSeedNote();
  element('Message').addEventListener('click', () => element('Message').classList.remove('floating'));
  element('GButton').addEventListener('click', generateWithSeedBox);
  for (const control of [...lists(), element('SeedBox'), element('BudgetText')])
    onEnter(control, generateWithSeedBox);
  startWakeSwitch();
  const fileInput = element('TableFileInput');
  element('ChooseTables').addEventListener('click', () => fileInput.click());
  fileInput.addEventListener('change', () => {
    if (fileInput.files.length > 0) chooseTables(fileInput.files[0]);
    fileInput.value = '';
  });
  element('ShippedTables').addEventListener('click', () => {
    useShippedTables();
    showMessage('');
  });
  window.addEventListener('popstate', (event) => afterPanels(() => onHistory(event)));
  window.addEventListener('hashchange', () => afterPanels(() => {
    if (location.hash !== shownHash) generateFromLink();
  }));
  for (const id of kEngineControls) element(id).disabled = false;
  if (panelsHeld) enablePanelControls();
  performance.mark('page ready');
  element('SeedLabel').value = '';
  afterPanels(() => {
    try {
      if (sessionStorage.getItem(kStoredView) === 'text') showView('text');
    } catch {
      // Storage closed to the page: the roster is shown.
    }
    if (!restoreForces() && location.hash.length > 1) generateFromLink();
  });
}

if (typeof WebAssembly === 'undefined') {
  pageEngineFailed('This browser cannot run WebAssembly, which Musterwright needs: turn it on, ' +
                   'or open the page in a current browser.');
} else {
  window.addEventListener('error', (event) => showMessage('Musterwright failed: ' + event.message));
}
Module.onAbort = (what) => pageEngineFailed(
    tablesInUse !== '' ? `Musterwright stopped (${what}). Reload the page.` :
                         `The engine could not be loaded (${what}). Reload the page, or open ` +
                             'it in a current browser.');
// The engine starts in two tasks: it is compiled and made ready in one, and its runtime starts
// in a later one, ending in startPage.
Module.preRun = [...(Module.preRun ?? []), () => {
  Module.addRunDependency('a later task');
  nextTask().then(() => Module.removeRunDependency('a later task'));
}];
Module.onRuntimeInitialized = startPage;
