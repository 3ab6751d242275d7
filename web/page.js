// The page's script: wires the form's controls to the engine (binding.cpp, reached through
// Module) and keeps the address's fragment, the table file remembered in browser storage and
// the message line. Every force, listing, table check and saved text comes from the engine.
//
// The fragment holds the choices and the seed of the last Generate, e.g.
// "#house=Wolf&size=Star&weight=Random&experience=Elite&vehicles=1&seed=42". Opening a link
// ignores keys it does not know, so later additions fit beside these.

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

// Generates with the form's choices and `seedText` (empty: a fresh seed), lists the force and
// puts the choices and seed into the address. A refused run changes nothing but the message.
function generate(seedText) {
  const [house, size, weight, experience] = lists().map((list) => list.value);
  const run = Module.generateListing(house, size, weight, experience,
                                     element('Vehicle').checked, seedText);
  if (run.error !== undefined) {
    showMessage(run.error);
    return;
  }
  showMessage('');
  element('MechBox').value = run.listing;
  element('SeedLabel').value = 'Seed: ' + run.seed;
  if (performance.getEntriesByName('first force').length === 0) performance.mark('first force');
  const link = new URLSearchParams();
  for (const list of lists()) link.set(kLinkKeys[list.id], list.value || 'Random');
  link.set('vehicles', element('Vehicle').checked ? '1' : '0');
  link.set('seed', String(run.seed));
  history.replaceState(null, '', '#' + link);
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
  generate(seed);
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
  for (const list of lists())
    for (const word of Module.choiceList(list.id)) list.add(new Option(word, word));
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

// Without WebAssembly the runtime fails at once; the reason why is the one message to show.
if (typeof WebAssembly === 'object') {
  window.addEventListener('error', (event) => showMessage('Musterwright failed: ' + event.message));
  Module.onAbort = (what) => showMessage(`Musterwright stopped (${what}). Reload the page.`);
} else {
  showMessage('This browser cannot run WebAssembly, which Musterwright needs: turn it on, or ' +
              'open the page in a current browser.');
}
Module.onRuntimeInitialized = startPage;
