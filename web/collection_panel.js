// SPDX-License-Identifier: MIT
// The page's collection panel: the designs the draws can reach in the table file in use, each
// with the copies owned, a filter, "only what I own", import and export of the collection file,
// and the names kept from a file that no table knows, each offered as its nearest designs; the
// boxes "Draw from my collection" and "Each design once". The panel shows a page of rows at a
// time, so it opens at once however many designs the table file holds. The collection's text and the boxes are
// kept in browser storage. The engine (collection_binding.cpp) reads, checks and writes every
// collection; a file with errors is refused whole, and nothing changes.

const kStoredCollectionName = 'musterwright.collection.name';
const kStoredCollectionText = 'musterwright.collection.text';
const kStoredOwnedBoxes = 'musterwright.collection.boxes';
// The rows the panel adds at a time.
const kRowPage = 100;

// The collection's name ("collection" until a file is imported), its designs' copies by the
// engine's key for each design (one key in every spelling), the imported names that no row
// holds, and the design rows, filled when first needed.
const collection = {name: 'collection', copies: new Map(), kept: [], designs: null};
// The rows shown: how many of the designs that pass the filter.
let rowsShown = kRowPage;

function storeCollection(text) {
  try {
    if (text === '') {
      localStorage.removeItem(kStoredCollectionName);
      localStorage.removeItem(kStoredCollectionText);
    } else {
      localStorage.setItem(kStoredCollectionName, collection.name);
      localStorage.setItem(kStoredCollectionText, text);
    }
  } catch {
    // Without storage the collection lasts this visit; export keeps it.
  }
}

// The designs of the table file in use, worked out once per table file.
function collectionDesigns() {
  if (collection.designs === null) {
    const list = Module.designList();
    if (!Array.isArray(list)) {
      showMessage(list.error);
      return [];
    }
    collection.designs = list;
  }
  return collection.designs;
}

// The collection file's text for the copies and the kept names.
function collectionFileText() {
  const entries = collectionDesigns().map(({name, key}) => (
    {name, count: collection.copies.get(key) ?? 0}));
  return Module.collectionFileText(entries.concat(collection.kept));
}

function ownedDesigns() {
  let designs = 0;
  let copies = 0;
  for (const count of collection.copies.values()) {
    if (count > 0) designs += 1;
    copies += count;
  }
  return {designs, copies};
}

function showCollectionState() {
  const {designs, copies} = ownedDesigns();
  element('CollectionState').textContent = designs === 0 ?
      'No design picked yet: give each design you own its number of copies.' :
      `${collection.name}: ${designs} designs, ${copies} copies.`;
  element('OwnedOnlyLabel').hidden = designs === 0;
  showKeptNames();
}

// Each kept name with its copies and the designs nearest to it, a button each: picking one
// adds the copies to that design's and drops the kept name.
function showKeptNames() {
  const kept = element('KeptNames');
  kept.hidden = collection.kept.length === 0;
  const lines = collection.kept.map(({name, count}, index) => {
    const line = make('li', `${count} ${name}: add to `);
    for (const design of Module.nearestDesigns(name)) {
      const button = make('button', design.name);
      button.type = 'button';
      button.dataset.kept = index;
      button.dataset.design = design.key;
      line.append(button, ' ');
    }
    return line;
  });
  const list = make('ul');
  list.append(...lines);
  kept.replaceChildren(make('p', 'Kept from the file, in no table of this table file:'), list);
}

function onKeptPicked(event) {
  const button = event.target.closest('button');
  if (button === null) return;
  const [{count}] = collection.kept.splice(Number(button.dataset.kept), 1);
  const key = button.dataset.design;
  collection.copies.set(key, Module.heldCopies((collection.copies.get(key) ?? 0) + count));
  useCopies();
  showCollectionRows();
}

// Makes the copies as they stand the collection in use and keeps it.
function useCopies() {
  const text = collectionFileText();
  if (text === '') {
    Module.forgetCollection();
  } else {
    const read = Module.useCollection(text, collection.name + '.txt');
    if (read.errors !== undefined)
      showMessage(read.errors.join('\n'), 'failure', element('CollectionTools'));
  }
  storeCollection(text);
  showCollectionState();
}

function designRow({name, key, tables}) {
  const count = document.createElement('input');
  count.type = 'number';
  count.min = '0';
  count.max = String(Module.mostCopies());
  count.inputMode = 'numeric';
  count.value = String(collection.copies.get(key) ?? 0);
  count.setAttribute('aria-label', `${name} copies`);
  count.dataset.design = key;
  const row = document.createElement('tr');
  const heading = make('th', name);
  heading.scope = 'row';
  const cell = make('td');
  cell.append(count);
  row.append(heading, make('td', tables.join(', '), 'tables'), cell);
  return row;
}

// The designs that pass the filter and, while "Only what I own" is ticked, are owned.
function passingDesigns() {
  const typed = element('CollectionFilter').value.trim().toLowerCase();
  const ownedOnly = element('OwnedOnly').checked && !element('OwnedOnlyLabel').hidden;
  return collectionDesigns().filter(({name, key, tables}) =>
    (!ownedOnly || (collection.copies.get(key) ?? 0) > 0) &&
    (typed === '' || `${name} ${tables.join(' ')}`.toLowerCase().includes(typed)));
}

// Shows the first page of the designs that pass; `more` adds the next page to those shown.
function showCollectionRows(more = false) {
  const passing = passingDesigns();
  const body = element('CollectionDesigns').tBodies[0];
  rowsShown = more ? rowsShown + kRowPage : kRowPage;
  const shownBefore = more ? body.rows.length : 0;
  const rows = passing.slice(shownBefore, rowsShown).map(designRow);
  if (more)
    body.append(...rows);
  else
    body.replaceChildren(...rows);
  const left = passing.length - Math.min(rowsShown, passing.length);
  element('MoreDesigns').hidden = left === 0;
  element('MoreDesigns').textContent = `Show ${Math.min(left, kRowPage)} more of ${left}`;
}

// Opens the panel on what is owned, when something is, and brings it into view.
function openCollectionPanel() {
  const panel = element('CollectionPanel');
  if (!panel.open) panel.open = true;
  panel.scrollIntoView({block: 'start'});
  panel.querySelector('summary').focus({preventScroll: true});
}

function onCopiesTyped(event) {
  const box = event.target;
  if (box.dataset.design === undefined) return;
  const count = Module.heldCopies(Number(box.value));
  if (event.type === 'change') box.value = String(count);
  collection.copies.set(box.dataset.design, count);
  useCopies();
}

// Takes the collection `read` from the engine: its copies into the rows, its other names kept.
function takeCollection(read, name) {
  const designs = new Set(collectionDesigns().map(({key}) => key));
  collection.name = name;
  collection.copies = new Map();
  collection.kept = [];
  for (const entry of read.entries) {
    if (designs.has(entry.key))
      collection.copies.set(entry.key, entry.count);
    else
      collection.kept.push({name: entry.name, count: entry.count});
  }
  showCollectionState();
}

// Imports the collection file `file`; one with errors is refused with them, nothing changed.
async function importCollection(file) {
  const tools = element('CollectionTools');
  let text;
  try {
    text = await file.text();
  } catch (error) {
    showMessage(`${file.name} could not be read (${error.message}); nothing changed.`, 'failure',
                tools);
    return;
  }
  const read = Module.useCollection(text, file.name);
  if (read.errors !== undefined) {
    showMessage(`${file.name} was not imported; nothing changed.\n` + read.errors.join('\n'),
                'failure', tools);
    return;
  }
  takeCollection(read, read.name);
  storeCollection(collectionFileText());
  element('OwnedOnly').checked = true;
  showCollectionRows();
  showMessage(read.warnings.join('\n'), 'notice', tools);
}

function exportCollection() {
  const text = collectionFileText();
  if (text === '') {
    showMessage('Nothing was exported: the collection owns no copy yet.', 'failure',
                element('CollectionTools'));
    return;
  }
  const anchor = document.createElement('a');
  anchor.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
  anchor.download = collection.name + '.txt';
  anchor.click();
  setTimeout(() => URL.revokeObjectURL(anchor.href), 60000);
}

function ownedBoxesChanged() {
  const owned = element('OwnedBox').checked;
  const unique = element('UniqueBox').checked;
  Module.setOwnedDraw(owned, unique);
  try {
    localStorage.setItem(kStoredOwnedBoxes, JSON.stringify({owned, unique}));
  } catch {
    // The boxes then start unticked next visit.
  }
}

// Ticks the boxes as the engine set them to draw a force again: "Draw from my collection"
// (`owned`) and "Each design once" (`unique`).
function setOwnedBoxes(owned, unique) {
  element('OwnedBox').checked = owned;
  element('UniqueBox').checked = unique;
  ownedBoxesChanged();
}

// Adds the collection's identity and the "once" box of `entry` to `link`.
function addCollectionToLink(link, entry) {
  if (entry.collection) link.set('c', entry.collection);
  if (entry.unique) link.set('unique', '1');
}

// A new table file changes the designs to pick from and how the collection reads.
function tablesChangedForCollection() {
  collection.designs = null;
  restoreCollection();
  if (element('CollectionPanel').open) showCollectionRows();
}

// The collection kept from an earlier visit, read against the table file in use.
function restoreCollection() {
  const {name, content: text} = keptFile(kStoredCollectionName, kStoredCollectionText);
  if (text === null) return;
  const read = Module.useCollection(text, name + '.txt');
  if (read.errors !== undefined) {
    showMessage('The collection kept from your last visit no longer reads; it is not in use.\n' +
                read.errors.join('\n'));
    return;
  }
  takeCollection(read, name);
}

// Wires the panel and the boxes; the collection itself comes back with the table file
// (tablesChangedForCollection).
function startCollectionPanel() {
  try {
    const boxes = JSON.parse(localStorage.getItem(kStoredOwnedBoxes));
    if (boxes !== null) {
      element('OwnedBox').checked = boxes.owned === true;
      element('UniqueBox').checked = boxes.unique === true;
    }
  } catch {
    // Storage closed to the page: the boxes start unticked.
  }
  ownedBoxesChanged();
  showCollectionState();
  element('OwnedBox').addEventListener('change', ownedBoxesChanged);
  element('UniqueBox').addEventListener('change', ownedBoxesChanged);
  element('CollectionPanel').addEventListener('toggle', () => {
    if (!element('CollectionPanel').open) return;
    element('OwnedOnly').checked = ownedDesigns().designs > 0;
    showCollectionRows();
  });
  element('OpenCollection').addEventListener('click', openCollectionPanel);
  element('CollectionFilter').addEventListener('input', () => showCollectionRows());
  element('OwnedOnly').addEventListener('change', () => showCollectionRows());
  element('MoreDesigns').addEventListener('click', () => showCollectionRows(true));
  element('KeptNames').addEventListener('click', onKeptPicked);
  const rows = element('CollectionDesigns');
  rows.addEventListener('input', onCopiesTyped);
  rows.addEventListener('change', onCopiesTyped);
  const fileInput = element('CollectionFileInput');
  element('ImportCollection').addEventListener('click', () => fileInput.click());
  fileInput.addEventListener('change', () => {
    if (fileInput.files.length > 0) importCollection(fileInput.files[0]);
    fileInput.value = '';
  });
  element('ExportCollection').addEventListener('click', exportCollection);
}
