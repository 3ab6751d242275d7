// SPDX-License-Identifier: MIT
// The page's budget box and its design list panel. The budget box, beside the seed, holds a band
// in points, in tons or in points with crew skill ("6000" or "5700-6000") that every Generate
// draws within; a force drawn again from the history or a link puts its own band back in the
// box. The panel imports a design list (kept in browser storage, as a table file of one's own
// is) and exports it, shows what its rows say, goes back to the shipped list, and lays out tables
// from the list in use over the base of the table file in use, showing the report, then uses the
// result (kept as the table file in use, with the base it was laid out over, so that the next
// layout is made over that base) or downloads it. It imports a skill table the same way, or goes
// back to the shipped one. The engine (design_binding.cpp) reads every list and table, lays out
// every table and names the file made.

const kStoredListName = 'musterwright.designList.name';
const kStoredListBytes = 'musterwright.designList.bytes';
const kStoredSkillsName = 'musterwright.skillTable.name';
const kStoredSkillsBytes = 'musterwright.skillTable.bytes';
// What each unit of the budget box counts, as a draw request and a link name it.
const kBudgetUnits = {points: 'points', tons: 'tons', skillPoints: 'skill_points'};

// The tables laid out last, as the engine gives them ({name, bytes, report, notices, base}),
// until the design list changes.
let madeTables = null;

// The budget box as a draw request carries it, as typed: {points, tons, skillPoints}, the units
// not chosen empty.
function budgetRequest() {
  const request = {points: '', tons: '', skillPoints: ''};
  request[element('BudgetUnit').value] = element('BudgetText').value;
  return request;
}

// Puts the band `run` was drawn within into the budget box (empty for none), the first unit it
// has.
function showBudgetOf(run) {
  const unit = Object.keys(kBudgetUnits).find((key) => (run[key] ?? '') !== '') ?? 'points';
  element('BudgetUnit').value = unit;
  element('BudgetText').value = run[unit] ?? '';
}

// Adds the band of `entry` to `link`.
function addBudgetToLink(link, entry) {
  for (const [key, name] of Object.entries(kBudgetUnits))
    if (entry[key]) link.set(name, entry[key]);
}

function download(bytes, name, type) {
  const anchor = document.createElement('a');
  anchor.href = URL.createObjectURL(new Blob([bytes], {type}));
  anchor.download = name;
  anchor.click();
  setTimeout(() => URL.revokeObjectURL(anchor.href), 60000);
}

// Shows `lines` (a list's warnings or refusals, each naming its row) in the panel, however many
// a list of a hundred thousand rows brings.
function showDesignFindings(lines) {
  const list = element('DesignFindings');
  const items = document.createDocumentFragment();
  for (const line of lines) items.append(make('li', line));
  list.replaceChildren(items);
  list.hidden = lines.length === 0;
}

function forgetMadeTables() {
  madeTables = null;
  element('UseMadeTables').disabled = true;
  element('DownloadMadeTables').disabled = true;
  element('MadeTables').hidden = true;
}

function showDesignListState() {
  const list = Module.designListInUse();
  const state = element('DesignListState');
  if (list.name === '') {
    state.textContent = 'Design list: none, so a budget cannot be counted; import one. ' +
                        list.notice;
  } else {
    const designs = `${list.designs} design${list.designs === 1 ? '' : 's'}`;
    state.textContent = `Design list: ${list.name} (${list.chosen ? 'yours' : 'shipped'}) \u00b7 ` +
                        `${designs} \u00b7 ${list.shortIdentity}`;
  }
  element('ShippedDesigns').hidden = !list.chosen;
  element('ShippedDesigns').disabled = !list.chosen;
  element('ExportDesigns').disabled = !list.chosen;
  element('LayOutTables').disabled = list.name === '';
  forgetMadeTables();
}

// Keeps the file `name` of `bytes` in browser storage under `keys` ({name, bytes}), or forgets
// it for a null name; '' when done, else why the browser would not.
function storeFile(keys, name, bytes) {
  try {
    if (name === null) {
      localStorage.removeItem(keys.name);
      localStorage.removeItem(keys.bytes);
    } else {
      localStorage.setItem(keys.bytes, toBase64(bytes));
      localStorage.setItem(keys.name, name);
    }
    return '';
  } catch (error) {
    return error.message;
  }
}

const kDesignListKind = {
  what: 'design list', keys: {name: kStoredListName, bytes: kStoredListBytes},
  tools: 'DesignTools', use: (bytes, name) => Module.useDesignList(bytes, name),
  findings: (read) => read.notices.concat(read.warnings), showState: () => showDesignListState(),
};
const kSkillTableKind = {
  what: 'skill table', keys: {name: kStoredSkillsName, bytes: kStoredSkillsBytes},
  tools: 'SkillTools', use: (bytes, name) => Module.useSkillTable(bytes, name),
  findings: (read) => read.warnings, showState: () => showSkillTableState(),
};

// Imports `file` as a file of `kind` (kDesignListKind, kSkillTableKind); a refused one shows
// every problem with its row, and the file in use stays.
async function importKept(kind, file) {
  const tools = element(kind.tools);
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    showMessage(`${file.name} could not be read (${error.message}); nothing changed.`, 'failure',
                tools);
    return;
  }
  const read = kind.use(bytes, file.name);
  if (read.errors !== undefined) {
    showDesignFindings(read.errors);
    showMessage(`${file.name} was not imported; the ${kind.what} in use stays. Its problems are ` +
                'listed under My design list.', 'failure', tools);
    return;
  }
  kind.showState();
  showDesignFindings(kind.findings(read));
  const kept = storeFile(kind.keys, read.name, bytes);
  const left = retotalShown();
  showMessage([kept === '' ? `${read.name} is the ${kind.what} in use.` :
                             `${read.name} is in use, but the browser would not keep it for your ` +
                             `next visit (${kept}); import it again then.`, left].join('\n').trim(),
              kept === '' && left === '' ? 'notice' : 'failure', tools);
}

// Goes back to the shipped file of `kind`, `forget` dropping the user's.
function useShipped(kind, forget) {
  forget();
  storeFile(kind.keys, null);
  kind.showState();
  showDesignFindings([]);
  showMessage(retotalShown(), 'notice');
}

function exportDesignList() {
  const list = Module.designListInUse();
  download(Module.designListBytes(), list.name, 'text/csv');
}

function layOutTables() {
  forgetMadeTables();
  const made = Module.layOutTables();
  const report = element('MadeTablesReport');
  if (made.errors !== undefined) {
    showDesignFindings(made.errors);
    showMessage('No tables were laid out; the reasons are listed under My design list.',
                'failure', element('MadeTablesTools'));
    return;
  }
  madeTables = made;
  showDesignFindings(made.notices);
  showMadeTablesReport(report, made.report);
  element('MadeTables').hidden = false;
  element('UseMadeTables').disabled = false;
  element('DownloadMadeTables').disabled = false;
  showMessage('');
}

// Shows the layout's `report` (design_binding.cpp's reportValue) in `place`: a table for each
// table laid out, whose rows wrap at any width (page.css), between its opening and closing
// lines.
function showMadeTablesReport(place, report) {
  const header = make('tr');
  for (const column of report.columns) {
    const cell = make('th', column);
    cell.scope = 'col';
    header.append(cell);
  }
  const parts = [make('p', report.opening)];
  for (const {heading, rows, leftOut} of report.tables) {
    const table = make('table');
    table.createCaption().textContent = heading;
    table.createTHead().append(header.cloneNode(true));
    const body = table.createTBody();
    for (const cells of rows) {
      const row = body.insertRow();
      cells.forEach((text, index) => row.append(make(index === 0 ? 'th' : 'td', text)));
      row.cells[0].scope = 'row';
      // Each fact names its column where a phone shows the row as a paragraph.
      [...row.cells].forEach((cell, index) => { cell.dataset.column = report.columns[index]; });
    }
    parts.push(table, ...leftOut.map((line) => make('p', line)));
  }
  parts.push(make('p', report.closing));
  place.replaceChildren(...parts);
}

function useMadeTables() {
  if (madeTables === null) return;
  const {name, bytes, base} = madeTables;
  if (useOwnTables(name, bytes, `${name} was not taken; ${tablesInUse} stays in use.`,
                   element('MadeTablesTools'), base))
    keepTables(name, bytes, base);
}

// The file of `kind` kept from an earlier visit, read again, or the shipped one.
function restoreKept(kind) {
  const {name, content: stored} = keptFile(kind.keys.name, kind.keys.bytes);
  if (stored !== null) {
    let read = {errors: ['its bytes could not be read back']};
    try {
      read = kind.use(fromBase64(stored), name);
    } catch {
      // The message below says so.
    }
    if (read.errors !== undefined) {
      showDesignFindings(read.errors);
      showMessage(`The ${kind.what} kept from your last visit, ${name}, no longer reads; the ` +
                  'shipped one is in use.');
    }
  }
  kind.showState();
}

function showSkillTableState() {
  const table = Module.skillTableInUse();
  element('SkillTableState').textContent =
      table.name === '' ? `Skill table: none, so points with crew skill are not counted. ${table.notice}` :
                          `Skill table: ${table.name} (${table.chosen ? 'yours' : 'shipped'}) \u00b7 ` +
                          `${table.crews} crews \u00b7 ${table.shortIdentity}`;
  element('ShippedSkills').hidden = !table.chosen;
  element('ShippedSkills').disabled = !table.chosen;
}

function startDesignPanel() {
  restoreKept(kDesignListKind);
  restoreKept(kSkillTableKind);
  const skillInput = element('SkillFileInput');
  element('ImportSkills').addEventListener('click', () => skillInput.click());
  skillInput.addEventListener('change', () => {
    if (skillInput.files.length > 0) importKept(kSkillTableKind, skillInput.files[0]);
    skillInput.value = '';
  });
  element('ShippedSkills')
      .addEventListener('click', () => useShipped(kSkillTableKind, () => Module.forgetSkillTable()));
  const fileInput = element('DesignFileInput');
  element('ImportDesigns').addEventListener('click', () => fileInput.click());
  fileInput.addEventListener('change', () => {
    if (fileInput.files.length > 0) importKept(kDesignListKind, fileInput.files[0]);
    fileInput.value = '';
  });
  element('ExportDesigns').addEventListener('click', exportDesignList);
  element('ShippedDesigns')
      .addEventListener('click', () => useShipped(kDesignListKind, () => Module.forgetDesignList()));
  element('LayOutTables').addEventListener('click', layOutTables);
  element('UseMadeTables').addEventListener('click', useMadeTables);
  element('DownloadMadeTables').addEventListener(
      'click', () => download(madeTables.bytes, madeTables.name, 'application/octet-stream'));
}
