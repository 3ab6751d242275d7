// SPDX-License-Identifier: MIT
// The page's collection panel: the designs the draws can reach in the table file in use, each
// with the copies owned, a filter, and import and export of the collection file; the boxes
// "Draw from my collection" and "Each design once". The collection's text and the boxes are
// kept in browser storage. The engine (collection_binding.cpp) reads, checks and writes every
// collection; a file with errors is refused whole, and nothing changes.

const kStoredCollectionName = 'musterwright.collection.name';
const kStoredCollectionText = 'musterwright.collection.text';
const kStoredOwnedBoxes = 'musterwright.collection.boxes';

// The collection's name ("collection" until a file is imported), its designs' copies by folded
// name, the imported names that no row holds, and the design rows, filled when first needed.
const collection = {name: 'collection', copies: new Map(), kept: [], designs: null};

function foldedName(name) {
  return name.replace(/[A-Z]/g, (letter) => letter.toLowerCase());
}

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
  const entries = collectionDesigns().map(({name}) => (
    {name, count: collection.copies.get(foldedName(name)) ?? 0}));
  return Module.collectionFileText(entries.concat(collection.kept));
}

function showCollectionState() {
  let designs = 0;
  let copies = 0;
  for (const count of collection.copies.values()) {
    if (count > 0) designs += 1;
    copies += count;
  }
  element('CollectionState').textContent = designs === 0 ?
      'No design picked yet: give each design you own its number of copies.' :
      `${collection.name}: ${designs} designs, ${copies} copies.`;
  const kept = element('KeptNames');
  kept.hidden = collection.kept.length === 0;
  kept.textContent = 'Kept from the file, in no table of this table file: ' +
      collection.kept.map(({name, count}) => `${count} ${name}`).join(', ');
}

// Makes the copies as they stand the collection in use and keeps it.
function useCopies() {
  const text = collectionFileText();
  if (text === '') {
    Module.forgetCollection();
  } else {
    const read = Module.useCollection(text, collection.name + '.txt');
    if (read.errors !== undefined) showMessage(read.errors.join('\n'));
  }
  storeCollection(text);
  showCollectionState();
}

function fillCollectionRows() {
  const body = element('CollectionDesigns').tBodies[0];
  if (body.rows.length > 0) return;
  for (const {name, tables} of collectionDesigns()) {
    const count = document.createElement('input');
    count.type = 'number';
    count.min = '0';
    count.max = '99';
    count.inputMode = 'numeric';
    count.value = String(collection.copies.get(foldedName(name)) ?? 0);
    count.setAttribute('aria-label', `${name} copies`);
    count.dataset.design = foldedName(name);
    const row = document.createElement('tr');
    const cell = make('td');
    cell.append(count);
    row.append(make('th', name), make('td', tables.join(', '), 'tables'), cell);
    row.firstChild.scope = 'row';
    body.append(row);
  }
  filterCollectionRows();
}

function filterCollectionRows() {
  const typed = element('CollectionFilter').value.trim().toLowerCase();
  for (const row of element('CollectionDesigns').tBodies[0].rows)
    row.hidden = typed !== '' && !row.textContent.toLowerCase().includes(typed);
}

function onCopiesTyped(event) {
  const box = event.target;
  if (box.dataset.design === undefined) return;
  const count = Math.min(99, Math.max(0, Math.trunc(Number(box.value)) || 0));
  if (event.type === 'change') box.value = String(count);
  collection.copies.set(box.dataset.design, count);
  useCopies();
}

// Takes the collection `read` from the engine: its copies into the rows, its other names kept.
function takeCollection(read, name) {
  const designs = new Set(collectionDesigns().map(({name: design}) => foldedName(design)));
  collection.name = name;
  collection.copies = new Map();
  collection.kept = [];
  for (const entry of read.entries) {
    if (designs.has(foldedName(entry.name)))
      collection.copies.set(foldedName(entry.name), entry.count);
    else
      collection.kept.push({name: entry.name, count: entry.count});
  }
  for (const box of element('CollectionDesigns').querySelectorAll('input'))
    box.value = String(collection.copies.get(box.dataset.design) ?? 0);
  showCollectionState();
}

// Imports the collection file `file`; one with errors is refused with them, nothing changed.
async function importCollection(file) {
  let text;
  try {
    text = await file.text();
  } catch (error) {
    showMessage(`${file.name} could not be read (${error.message}); nothing changed.`);
    return;
  }
  const read = Module.useCollection(text, file.name);
  if (read.errors !== undefined) {
    showMessage(`${file.name} was not imported; nothing changed.\n` + read.errors.join('\n'));
    return;
  }
  takeCollection(read, read.name);
  storeCollection(collectionFileText());
  showMessage(read.warnings.join('\n'), 'notice');
}

function exportCollection() {
  const text = collectionFileText();
  if (text === '') {
    showMessage('Nothing was exported: the collection owns no copy yet.');
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
  element('CollectionDesigns').tBodies[0].replaceChildren();
  restoreCollection();
  if (element('CollectionPanel').open) fillCollectionRows();
}

// The collection kept from an earlier visit, read against the table file in use.
function restoreCollection() {
  let name = null;
  let text = null;
  try {
    name = localStorage.getItem(kStoredCollectionName);
    text = localStorage.getItem(kStoredCollectionText);
  } catch {
    return;
  }
  if (name === null || text === null) return;
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
    if (element('CollectionPanel').open) fillCollectionRows();
  });
  element('CollectionFilter').addEventListener('input', filterCollectionRows);
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
