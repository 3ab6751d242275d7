// SPDX-License-Identifier: MIT
// The page's script: wires the form's controls to the engine (binding.cpp, reached through
// Module) and keeps the address's fragment, the table file remembered in browser storage and
// the message line. Every force, listing, table check and saved text comes from the engine.
//
// The fragment holds the choices, the seed and the re-rolls of the force shown, e.g.
// "#house=Wolf&size=Star&weight=Random&experience=Elite&vehicles=1&seed=42&r=2,3.1,2" (no r
// before the first re-roll). Opening a link ignores keys it does not know, so later additions
// fit beside these.

const kLinkKeys = {
  HouseBox: 'house',
  SizeBox: 'size',
  WeightBox: 'weight',
  ExperienceBox: 'experience',
};
const kStoredName = 'musterwright.tableFile.name';
const kStoredBytes = 'musterwright.tableFile.bytes';

function element(id) {
  return document.getElementById(id);
}

// Shows `text` in the message line ("failure" or "notice"); an empty text hides the line.
function showMessage(text, kind = 'failure') {
  const line = element('Message');
  line.textContent = text;
  line.className = kind;
  line.hidden = text === '';
}

function lists() {
  return Object.keys(kLinkKeys).map(element);
}

// The force in the listing box: the choices it was drawn with (the lists' values, "" for a
// placeholder), the vehicles box, and the engine's last answer for it (binding.cpp's
// shownResult). Null before the first force.
let shown = null;

function showForce(run, choices, vehicles) {
  shown = {run, choices, vehicles};
  showMessage('');
  element('MechBox').value = run.listing;
  element('SeedLabel').value = run.seedLine;
  const group = run.clan ? 'Star' : 'Lance';
  element('RollGroup').textContent = `Roll This ${group} Again`;
  element('KeepGroup').textContent = `Keep This ${group}, Roll the Others Again`;
  const link = new URLSearchParams();
  Object.values(kLinkKeys).forEach((key, index) => link.set(key, choices[index] || 'Random'));
  link.set('vehicles', vehicles ? '1' : '0');
  link.set('seed', String(run.seed));
  if (run.rerolls !== '') link.set('r', run.rerolls);
  // The list's commas and dots stay readable in the address.
  history.replaceState(null, '', '#' + link.toString().replaceAll('%2C', ','));
  showRerollTarget();
}

// Generates with the form's choices, `seedText` (empty: a fresh seed) and the re-rolls
// `rerollText` ("2,3.1,2"), lists the force and puts it into the address. A refused run changes
// nothing but the message.
function generate(seedText, rerollText = '') {
  const choices = lists().map((list) => list.value);
  const vehicles = element('Vehicle').checked;
  const run = Module.generateListing(...choices, vehicles, seedText, rerollText);
  if (run.error !== undefined) {
    showMessage(run.error);
    return;
  }
  showForce(run, choices, vehicles);
  if (performance.getEntriesByName('first force').length === 0) performance.mark('first force');
}

// The line at the cursor in MechBox, from 0.
function cursorLine() {
  const box = element('MechBox');
  return box.value.slice(0, box.selectionStart).split('\n').length - 1;
}

// The group and slot of the listing line at the cursor ({group: 0} off the force's lines); the
// box's lines are taken as the listing's, edits or not.
function rerollTarget() {
  if (shown === null) return {group: 0, slot: 0};
  const line = cursorLine();
  return {group: shown.run.lineGroups[line] ?? 0, slot: shown.run.lineSlots[line] ?? 0};
}

function describe({group, slot}) {
  const word = shown.run.clan ? 'star' : 'lance';
  return slot === 0 ? `${word} ${group}` : `slot ${slot} of ${word} ${group}`;
}

// Enables the re-roll buttons for the line at the cursor and says what they act on.
function showRerollTarget() {
  const target = rerollTarget();
  element('RollGroup').disabled = target.group === 0;
  element('KeepGroup').disabled = target.group === 0 || shown.run.groupCount < 2;
  element('RollSlot').disabled = target.slot === 0;
  element('RerollTarget').value =
      shown === null ? '' :
      target.group === 0 ? "Put the cursor on a lance's or star's lines to roll it again." :
      'At the cursor: ' + describe(target);
}

// Rolls again what the buttons name, for the line at the cursor: the group (`part` "group"),
// the slot ("slot"), or every other group ("others"). An edited listing asks first, since the
// new listing replaces the edits.
function reroll(part) {
  const target = rerollTarget();
  if (target.group === 0 || (part === 'slot' && target.slot === 0)) return;
  const box = element('MechBox');
  const what = part === 'others' ? `every ${shown.run.clan ? 'star' : 'lance'} but ` +
                                       describe({group: target.group, slot: 0}) :
               describe({group: target.group, slot: part === 'slot' ? target.slot : 0});
  if (box.value !== shown.run.listing &&
      !confirm(`The listing has edits of yours, which rolling ${what} again replaces. ` +
               'Roll again anyway?'))
    return;
  const run = Module.rerollShown(target.group, part === 'slot' ? target.slot : 0,
                                 part === 'others');
  if (run.error !== undefined) {
    showMessage(run.error);
    return;
  }
  const line = cursorLine();
  showForce(run, shown.choices, shown.vehicles);
  const lineStart =
      run.listing.split('\n').slice(0, line).reduce((start, text) => start + text.length + 1, 0);
  box.setSelectionRange(lineStart, lineStart);
  showRerollTarget();
}

// Sets the form from the address's fragment and generates with its seed; a fragment naming a
// word that is in no list, or lacking the seed, is reported and generates nothing.
function generateFromLink() {
  const link = new URLSearchParams(location.hash.slice(1));
  for (const list of lists()) {
    const word = link.get(kLinkKeys[list.id]) ?? '';
    if (word !== '' && ![...list.options].some((item) => item.value === word)) {
      showMessage(`The link's ${kLinkKeys[list.id]} "${word}" is in no list; nothing was generated.`);
      return;
    }
    list.value = word;
  }
  element('Vehicle').checked = link.get('vehicles') === '1';
  const seed = link.get('seed');
  if (seed === null) {
    showMessage('The link holds no seed; nothing was generated.');
    return;
  }
  generate(seed, link.get('r') ?? '');
}

// Downloads the listing box's text as it stands, edits included, under the name in FileName.
function saveToFile() {
  const name = element('FileName').value;
  if (name.trim() === '') {
    showMessage('Nothing was saved: type the name of the file to save to.');
    return;
  }
  const text = Module.savedText(element('MechBox').value);
  const anchor = document.createElement('a');
  anchor.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
  anchor.download = name;
  anchor.click();
  setTimeout(() => URL.revokeObjectURL(anchor.href), 60000);
}

async function copyLink() {
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    showMessage('Link copied: ' + link, 'notice');
  } catch (error) {
    showMessage(`The browser would not copy the link (${error.message}); copy it from the ` +
                `address bar: ${link}`);
  }
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

function showTablesInUse(name, shipped) {
  tablesInUse = `${name} (${shipped ? 'shipped' : 'yours'})`;
  element('TablesInUse').textContent = 'Table file: ' + tablesInUse;
  element('ShippedTables').hidden = shipped;
}

function forgetTables() {
  try {
    localStorage.removeItem(kStoredName);
    localStorage.removeItem(kStoredBytes);
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

// Checks the user's table file and uses it when it is sound, else shows its problems and keeps
// the file in use. Returns whether it is now in use.
function useOwnTables(name, bytes, refusal) {
  const problems = Module.useTables(bytes, name);
  if (problems.length > 0) {
    showMessage(refusal + '\n' + problems.join('\n'));
    return false;
  }
  showTablesInUse(name, false);
  return true;
}

async function chooseTables(file) {
  const inUse = tablesInUse;
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    showMessage(`${file.name} could not be read (${error.message}). ${inUse} stays in use.`);
    return;
  }
  if (!useOwnTables(file.name, bytes, `${file.name} was not taken; ${inUse} stays in use.`))
    return;
  showMessage('');
  try {
    localStorage.setItem(kStoredBytes, toBase64(bytes));
    localStorage.setItem(kStoredName, file.name);
  } catch (error) {
    forgetTables();
    showMessage(`${file.name} is in use, but the browser would not keep it for your next ` +
                `visit (${error.message}); choose it again then.`);
  }
}

// The table file remembered from an earlier visit, checked again, or the shipped one.
function restoreTables() {
  let name = null;
  let stored = null;
  try {
    name = localStorage.getItem(kStoredName);
    stored = localStorage.getItem(kStoredBytes);
  } catch {
    // Storage closed to the page: nothing was remembered, and choosing a file says so.
  }
  const keptFrom = `The table file kept from your last visit, ${name},`;
  let bytes = null;
  try {
    if (name !== null && stored !== null) bytes = fromBase64(stored);
  } catch {
    showMessage(`${keptFrom} could not be read back; the shipped one is in use.`);
  }
  if (bytes !== null &&
      useOwnTables(name, bytes, `${keptFrom} is no longer sound; the shipped one is in use.`))
    return;
  useShippedTables();
}

function onEnter(control, action) {
  control.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    action();
  });
}

function startPage() {
  for (const list of lists()) {
    list.length = 1;
    for (const word of Module.choiceList(list.id)) list.add(new Option(word, word));
  }
  restoreTables();
  const generateWithSeedBox = () => generate(element('SeedBox').value);
  element('GButton').addEventListener('click', generateWithSeedBox);
  for (const list of lists()) onEnter(list, generateWithSeedBox);
  onEnter(element('SeedBox'), generateWithSeedBox);
  element('ToFile').addEventListener('click', saveToFile);
  onEnter(element('FileName'), saveToFile);
  element('PrintButton').addEventListener('click', () => window.print());
  window.addEventListener('beforeprint', () => {
    element('PrintCopy').textContent = element('MechBox').value;
  });
  element('CopyLink').addEventListener('click', copyLink);
  element('RollGroup').addEventListener('click', () => reroll('group'));
  element('KeepGroup').addEventListener('click', () => reroll('others'));
  element('RollSlot').addEventListener('click', () => reroll('slot'));
  document.addEventListener('selectionchange', showRerollTarget);
  for (const event of ['input', 'select', 'click', 'keyup'])
    element('MechBox').addEventListener(event, showRerollTarget);
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
  window.addEventListener('hashchange', generateFromLink);
  element('GButton').disabled = false;
  if (location.hash.length > 1) generateFromLink();
}

// The engine could not be loaded (the site's loader says why): nothing can be drawn.
function pageEngineFailed(reason) {
  element('GButton').disabled = true;
  showMessage(reason);
}

// Without WebAssembly the runtime fails at once; the reason why is the one message to show.
if (typeof WebAssembly === 'object') {
  window.addEventListener('error', (event) => showMessage('Musterwright failed: ' + event.message));
  Module.onAbort = (what) => showMessage(`Musterwright stopped (${what}). Reload the page.`);
} else {
  showMessage('This browser cannot run WebAssembly, which Musterwright needs: turn it on, or ' +
              'open the page in a current browser.');
}
Module.onRuntimeInitialized = startPage;
