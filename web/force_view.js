// SPDX-License-Identifier: MIT
// The force on the page: the force shown, as a roster and as its listing text, drawn and re-rolled
// by the engine (here or in the search worker, which finds a budget's try), the forces drawn in
// this visit (undo, redo, the browser's Back and Forward), the address's fragment (page.js's
// kLinkKeys), saving, printing and sharing. page.js starts it with the panels (startPanels).

// The force shown: the choices it was drawn with (the lists' values, "" for a placeholder), the
// vehicles box, and the engine's last answer for it (binding.cpp's shownResult). Null before
// the first force.
let shown = null;

function groupWord(lower = false) {
  const word = shown.run.groupWord;
  return lower ? word.toLowerCase() : word;
}

// The forces drawn in this visit, oldest first: each {choices, chosen (the engine's words for
// them, "Random" for an empty one), vehicles, seed, rerolls, text (the listing box's text once
// the player has edited it; absent while it is the listing as drawn)}. `position` is the one
// shown; every entry has a browser history entry whose state is {forces: id, position}.
let forces = {id: String(Date.now()) + Math.random(), entries: [], position: -1};
// The fragment of the force shown, so that a change of the fragment by history is told apart
// from a link typed into the address.
let shownHash = '';

function linkOf(entry) {
  const link = new URLSearchParams();
  Object.values(kLinkKeys).forEach((key, index) => link.set(key, entry.chosen[index]));
  link.set('vehicles', entry.vehicles ? '1' : '0');
  link.set('seed', entry.seed);
  if (entry.designs) link.set('d', entry.designs);
  if (entry.rerolls !== '') link.set('r', entry.rerolls);
  if (entry.tables) link.set('t', entry.tables);
  addCollectionToLink(link, entry);
  addBudgetToLink(link, entry);
  // The list's commas and dots stay readable in the address.
  return '#' + link.toString().replaceAll('%2C', ',');
}

function keepForcesNow() {
  keepPending = false;
  try {
    sessionStorage.setItem(kStoredForces, JSON.stringify(forces));
  } catch {
    // Without session storage a reload draws the force of the address again, edits lost.
  }
}

// Does `work` when the browser is idle after the next paint (within a second of it), so that
// it never delays what a tap shows.
function afterPaint(work) {
  const whenIdle = globalThis.requestIdleCallback ?? ((later) => setTimeout(later, 200));
  requestAnimationFrame(() => whenIdle(work, {timeout: 1000}));
}

// Keeps the forces after painting (and at the latest when the page is left).
let keepPending = false;
function keepForces() {
  if (keepPending) return;
  keepPending = true;
  afterPaint(() => { if (keepPending) keepForcesNow(); });
}

// The browser history entry of the force last recorded, written after painting its roster, as
// writing it holds the paint back: {how, state, link}, or null when written. Whatever reads the
// address or moves in the history writes it first.
let historyToWrite = null;

function writeHistory() {
  if (historyToWrite === null) return;
  const {how, state, link} = historyToWrite;
  historyToWrite = null;
  if (how === 'push')
    history.pushState(state, '', link);
  else
    history.replaceState(state, '', link);
}

// Makes the shown force the newest entry, dropping those undone before, and gives it a browser
// history entry: a new one (`how` "push"), or the current one ("replace").
function record(how) {
  const entry = {choices: shown.choices, chosen: shown.run.chosen, vehicles: shown.vehicles,
                 seed: String(shown.run.seed), rerolls: shown.run.rerolls, tables: shown.run.tables,
                 collection: shown.run.collection, unique: shown.run.unique,
                 designs: shown.run.designs, designsName: shown.run.designsName,
                 points: shown.run.points, tons: shown.run.tons,
                 skillPoints: shown.run.skillPoints};
  forces.entries.splice(forces.position + 1);
  forces.entries.push(entry);
  forces.position = forces.entries.length - 1;
  writeHistory();
  historyToWrite = {how, state: {forces: forces.id, position: forces.position},
                    link: linkOf(entry)};
  shownHash = historyToWrite.link;
  afterPaint(writeHistory);
  keepForces();
  showStackButtons();
}

function showStackButtons() {
  element('UndoButton').disabled = forces.position <= 0;
  element('RedoButton').disabled = forces.position >= forces.entries.length - 1;
  element('CopyLink').disabled = shown === null;
  element('ShareLink').disabled = shown === null;
}

function forceTitle(run) {
  return [run.faction, run.size, run.weight, run.experience].join(' \u00b7 ');
}

// Shows `run` as the roster and, in the listing box, as `text` (its listing unless edited), with
// the engine's notices for it.
// With `rerolled`, `run` is the shown force re-rolled, and the roster changes only the rows
// and headings that differ.
function showForce(run, choices, vehicles, text = run.listing, rerolled = false) {
  const before = shown;
  shown = {run, choices, vehicles};
  showMessage([...run.notices, tablesWarning].filter((line) => line !== '').join('\n'), 'notice');
  listingToWrite = text;
  if (element('MechBox').hidden)
    afterPaint(writeListingBox);
  else
    writeListingBox();
  setText(element('SeedLabel'), run.seedLine);
  setText(element('ForceTitle'), forceTitle(run));
  setText(element('ForceTotals'), run.totals);
  element('ForceLine').hidden = false;
  setText(element('RollGroup'), `Roll This ${groupWord()} Again`);
  setText(element('KeepGroup'), `Keep This ${groupWord()}, Roll the Others Again`);
  if (rerolled)
    updateRoster(before.run);
  else
    showRoster();
  showRerollTarget();
  showStackButtons();
}

// Shows the shown force's totals from the design list now in use, at once; returns the engine's
// notice when they leave the band the force was drawn in ('' for none, and before any force).
function retotalShown() {
  if (shown === null) return '';
  const before = shown.run;
  const totalled = Module.retotalShown();
  shown.run = {...before, groups: totalled.groups, totals: totalled.totals};
  updateRoster(before);
  return totalled.notice;
}

// The text the listing box is to show while the box is hidden (the roster view), or null when
// the box shows it: writing a Galaxy's listing into the box holds a re-roll's paint back, so a
// hidden box is written after the paint. Showing the box writes it first.
let listingToWrite = null;

function writeListingBox() {
  if (listingToWrite === null) return;
  const box = element('MechBox');
  box.value = listingToWrite;
  listingToWrite = null;
  // Nothing is at the cursor until the player puts it on a lance's lines.
  box.setSelectionRange(0, 0);
  showRerollTarget();
}

// The listing box's text as it stands or is about to, edits included.
function listingText() {
  return listingToWrite ?? element('MechBox').value;
}

// What the engine draws from: the lists' `choices` by their link keys, and `vehicles`.
function drawRequest(choices, vehicles) {
  const request = {vehicles};
  Object.values(kLinkKeys).forEach((key, index) => { request[key] = choices[index]; });
  return request;
}

// The engine's answer `run` to a draw, or null after showing why nothing was drawn, in view of
// the control `near` that asked for it (null for none).
function drawn(run, near = null) {
  if (run.error === undefined) return run;
  showMessage(run.error, 'failure', near);
  return null;
}

// The search worker (search_worker.js): a second engine, started from the same module as the
// page's from what the page's loader kept ({url, engine, module, shipped}, which
// Module.searchWorkerStart gives), that makes the budget searches the page's model leaves to it.
// `pending` is the draw waiting for it, {id, op, call, show, rounds}; null while none is. Where
// the browser starts no worker, the page's model makes its searches itself.
const searcher = {start: null, worker: null, pending: null, nextId: 1, busyTimer: 0};

function spawnSearchWorker() {
  const {url, engine, module, shipped} = searcher.start;
  try {
    searcher.worker = new Worker(url);
  } catch (error) {
    console.warn(`Musterwright searches on the page itself: ${error.message}`);
    searchWorkerFailed();
    return;
  }
  searcher.worker.onmessage = (event) => searched(event.data);
  searcher.worker.onerror = (event) => {
    event.preventDefault();
    searchWorkerFailed();
  };
  searcher.worker.postMessage({engine, module, shipped});
}

// Readies the worker: the page's model leaves its searches to it from now on, and the worker
// itself starts once the page is idle (or at the first search, if that comes first), so that
// starting it delays nothing the page shows.
async function startSearchWorker() {
  if (typeof Worker === 'undefined' || Module.searchWorkerStart === undefined) return;
  try {
    searcher.start = await Module.searchWorkerStart();
  } catch (error) {
    console.warn(`Musterwright searches on the page itself: ${error.message}`);
    return;
  }
  Module.searchHere(false);
  afterPaint(() => {
    if (searcher.worker === null && searcher.start !== null) spawnSearchWorker();
  });
}

// The worker cannot search: the page's model searches itself from now on, the draw waiting
// first.
function searchWorkerFailed() {
  searcher.worker?.terminate();
  searcher.worker = null;
  searcher.start = null;
  Module.searchHere(true);
  const pending = searcher.pending;
  endSearch();
  if (pending !== null) pending.show(pending.call(pending.op));
}

function endSearch() {
  searcher.pending = null;
  element('Roster').removeAttribute('aria-busy');
  clearTimeout(searcher.busyTimer);
  element('Searching').hidden = true;
  element('ForceBar').classList.remove('busy');
}

// Stops the search that runs, if one does, and changes nothing else: the worker is ended and
// another started from the kept engine, ready for the next search.
function stopSearch() {
  if (searcher.pending === null) return;
  endSearch();
  searcher.worker.terminate();
  spawnSearchWorker();
}

// Asks the worker for the searches of the draw `pending` waits for; a busy sign with Cancel
// shows while it runs longer than a blink.
function askWorker(pending) {
  pending.id = searcher.nextId++;
  searcher.pending = pending;
  if (searcher.worker === null) spawnSearchWorker();
  if (searcher.worker === null) return;
  searcher.worker.postMessage({id: pending.id, state: Module.searchState(), op: pending.op});
  element('Roster').setAttribute('aria-busy', 'true');
  clearTimeout(searcher.busyTimer);
  searcher.busyTimer = setTimeout(() => {
    element('Searching').hidden = false;
    element('ForceBar').classList.add('busy');
  }, 150);
}

// The worker's answer: the page's model takes what it found and makes the draw itself. A state
// changed meanwhile (another file in use) may ask for a search once more; past that the model
// searches itself, so the answer is always the model's.
function searched({id, searches, failed}) {
  const pending = searcher.pending;
  if (failed !== undefined && (id === -1 || pending?.id === id)) {
    console.warn(`Musterwright's search worker failed: ${failed}`);
    searchWorkerFailed();
    return;
  }
  if (pending === null || pending.id !== id) return;
  Module.keepSearches(searches);
  let answer = pending.call(pending.op);
  if (answer.searchElsewhere !== undefined && pending.rounds < 1) {
    askWorker({...pending, rounds: pending.rounds + 1});
    return;
  }
  if (answer.searchElsewhere !== undefined) {
    Module.searchHere(true);
    answer = pending.call(pending.op);
    Module.searchHere(false);
  }
  endSearch();
  pending.show(answer);
}

// Makes the draw `op` ({kind: 'generate', request}, {kind: 'redraw', record} or {kind:
// 'reroll', group, slot, others}) by `call(op)`, one of the engine's draws, and hands its answer
// to `show`: at once, or, when the draw needs a budget search, once the worker has made it. A
// new draw replaces a search still running.
function drawSearched(op, call, show) {
  stopSearch();
  const answer = call(op);
  if (answer.searchElsewhere === undefined) {
    show(answer);
    return;
  }
  if (answer.seed !== undefined) op.request.seed = answer.seed;
  askWorker({op, call, show, rounds: 0});
}

// Draws a force of a link or of this visit again from what `request` holds (drawRequest's
// fields, seed, rerolls, tables, collection, unique): the engine ticks the collection boxes to
// match it and says what differs from where it was drawn. Hands `show` the engine's answer,
// or nothing after showing why nothing was drawn.
function redraw(request, show) {
  drawSearched({kind: 'redraw', record: request}, (op) => Module.redrawRecord(op.record),
               (answer) => {
                 const run = drawn(answer);
                 if (run === null) return;
                 setOwnedBoxes(run.drawOwned, run.unique);
                 showBudgetOf(run);
                 show(run);
               });
}

// Shows the force `run` drawn with `choices` and `vehicles` and records it (`how` as record has
// it).
function showDrawn(run, choices, vehicles, how) {
  showForce(run, choices, vehicles);
  // The first force of a visit takes the page's own history entry, so Back leaves from there.
  record(forces.position < 0 ? 'replace' : how);
  // The force's first row comes into sight, the form scrolling up as little as it takes.
  element('Roster').querySelector('.slot')?.scrollIntoView({block: 'nearest'});
  if (performance.getEntriesByName('first force').length === 0) performance.mark('first force');
}

// Generates with the form's choices, `seedText` and the budget box, shows the force and records
// it. A refused run changes nothing but the message, shown in view of `near`, the control that
// asked for it.
function generate(seedText, near) {
  const choices = lists().map((list) => list.value);
  const vehicles = element('Vehicle').checked;
  const request = {...drawRequest(choices, vehicles), seed: seedText, ...budgetRequest()};
  drawSearched({kind: 'generate', request}, (op) => Module.generateListing(op.request),
               (answer) => {
                 const run = drawn(answer, near);
                 if (run !== null) showDrawn(run, choices, vehicles, 'push');
               });
}

// Shows entry `position` of the forces again: its choices in the form, the force drawn anew
// and its listing text as it was, edits included.
function showEntry(position) {
  const entry = forces.entries[position];
  lists().forEach((list, index) => { list.value = entry.choices[index]; });
  element('Vehicle').checked = entry.vehicles;
  redraw({...drawRequest(entry.choices, entry.vehicles), seed: entry.seed,
          rerolls: entry.rerolls, tables: entry.tables ?? '',
          collection: entry.collection ?? '', unique: entry.unique === true,
          designs: entry.designs ?? '', designsName: entry.designsName ?? '',
          points: entry.points ?? '', tons: entry.tons ?? '',
          skillPoints: entry.skillPoints ?? ''}, (run) => {
    forces.position = position;
    shownHash = location.hash;
    showForce(run, entry.choices, entry.vehicles, entry.text);
    keepForces();
  });
}

function undo() {
  writeHistory();
  if (forces.position > 0) history.back();
}

function redo() {
  writeHistory();
  if (forces.position < forces.entries.length - 1) history.forward();
}

function onHistory(event) {
  const state = event.state;
  if (state !== null && state.forces === forces.id && forces.entries[state.position])
    showEntry(state.position);
  else if (location.hash.length > 1)
    generateFromLink();
}

// The line at the cursor in MechBox, from 0 (the first until the box is written).
function cursorLine() {
  if (listingToWrite !== null) return 0;
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
  return slot === 0 ? `${groupWord(true)} ${group}` : `slot ${group}.${slot}`;
}

// Enables the Text view's re-roll buttons for the line at the cursor and says what they act on.
function showRerollTarget() {
  const target = rerollTarget();
  element('RollGroup').disabled = target.group === 0;
  element('KeepGroup').disabled = target.group === 0 || !shown.run.keepApplies;
  element('RollSlot').disabled = target.slot === 0;
  element('RerollTarget').value =
      shown === null ? '' :
      target.group === 0 ? "Put the cursor on a lance's or star's lines to roll it again." :
      'At the cursor: ' + describe(target);
}

// Rolls group `group` again (slot 0), or slot `slot` of it, or with `others` every group but
// `group`. An edited listing asks first, since the new listing replaces the edits. Calls `then`
// once the force has changed.
function rollAgain(group, slot, others, then = () => {}) {
  const what = others ? `every ${groupWord(true)} but ${describe({group, slot: 0})}` :
                        describe({group, slot});
  if (listingText() !== shown.run.listing &&
      !confirm(`The listing has edits of yours, which rolling ${what} again replaces. ` +
               'Roll again anyway?'))
    return;
  drawSearched({kind: 'reroll', group, slot, others},
               (op) => Module.rerollShown(op.group, op.slot, op.others), (rerolled) => {
    if (rerolled.error !== undefined) {
      showMessage(rerolled.error);
      return;
    }
    // The engine sends only what a re-roll changes, of the groups only those that changed; the
    // rest stays as it was.
    const changed = new Map(rerolled.groups.map((group) => [group.number, group]));
    const run = {...shown.run, ...rerolled,
                 groups: shown.run.groups.map((group) => changed.get(group.number) ?? group)};
    showForce(run, shown.choices, shown.vehicles, run.listing, true);
    record('push');
    if (run.same) {
      showMessage(run.said, 'notice', element('Roster'));
    } else {
      markChanged(group, slot, others);
      announce(run.said);
    }
    then();
  });
}

// The Text view's buttons and keys: rolls again what they name for the line at the cursor,
// the group (`part` "group"), the slot ("slot") or every other group ("others"), and keeps the
// cursor on its line.
function rollAtCursor(part) {
  const target = rerollTarget();
  if (target.group === 0 || (part === 'slot' && target.slot === 0)) return;
  const line = cursorLine();
  rollAgain(target.group, part === 'slot' ? target.slot : 0, part === 'others', () => {
    const box = element('MechBox');
    const lineStart =
        box.value.split('\n').slice(0, line).reduce((start, text) => start + text.length + 1, 0);
    box.focus();
    box.setSelectionRange(lineStart, lineStart);
    showRerollTarget();
  });
}

// `text` as HTML text or an attribute's value.
function escapeHtml(text) {
  return String(text).replace(/[&<>"]/g, (character) => kHtmlEscapes[character]);
}
const kHtmlEscapes = {'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'};

// The element that `html` writes.
function fromHtml(html) {
  const template = document.createElement('template');
  template.innerHTML = html;
  return template.content.firstElementChild;
}

// A button of the roster that does `action` ("2", "2.1" or "keep 2"), showing `words` and named
// by them and `target`, what it acts on ("Roll again, slot 2.1"), so that speech input can say
// the words seen. The name is the button's aria-label, which builds a Galaxy's roster of far
// fewer nodes than a hidden element in each button.
function rosterButtonHtml(action, className, words, target) {
  return `<button type="button" tabindex="-1" data-action="${escapeHtml(action)}"` +
         ` aria-label="${escapeHtml(`${words}, ${target}`)}"` +
         `${className ? ` class="${className}"` : ''}>${escapeHtml(words)}</button>`;
}

// A slot's row: its design (or the words of an open slot), kind, weight class, skills, tons
// and points, and its Roll again.
function slotRowHtml(group, number, slot) {
  const button = rosterButtonHtml(`${group}.${number}`, '', 'Roll again', `slot ${group}.${number}`);
  if (slot.open !== undefined)
    return `<li class="slot row open" data-slot="${number}"><span class="design">` +
           `${escapeHtml(slot.open)}</span><span class="facts"></span>${button}</li>`;
  return `<li class="slot row" data-slot="${number}"><span class="design">` +
         `${escapeHtml(slot.design)}</span><span class="facts">` +
         `<span class="kind">${escapeHtml(kKindWords[slot.kind])}</span>` +
         `<span class="class">${escapeHtml(slot.weightClass)}</span>` +
         `<span class="skill"><abbr title="Piloting">P</abbr> ${slot.piloting}</span>` +
         `<span class="skill"><abbr title="Gunnery">G</abbr> ${slot.gunnery}</span>` +
         `<span class="numbers">${numbersHtml(slot.numbers)}</span></span>${button}</li>`;
}

// A slot's numbers ("65 tons · 1,420 points · 1,562 with crew"), each part kept whole where a
// narrow screen wraps the line between them.
function numbersHtml(numbers) {
  return numbers.split(' \u00b7 ').map((part) => `<span>${escapeHtml(part)}</span>`)
      .join(' \u00b7 ');
}

// A heading `tag` of `title` and its totals ("240 tons · 5,230 points"), with `attributes`.
function titledTotalsHtml(tag, title, totals, attributes = '') {
  return `<${tag}${attributes}>${escapeHtml(title)}` +
         `<span class="totals"> \u00b7 ${escapeHtml(totals)}</span></${tag}>`;
}

// A group's heading: its title, its totals after it (under its buttons on a phone, as
// page.css places them) and its buttons.
function groupHeadHtml(run, group) {
  const word = `${groupWord(true)} ${group.number}`;
  const title = `<h3 id="Group${group.number}">` +
                `${escapeHtml(`${groupWord()} ${group.number} \u00b7 ${group.weightClass}`)}</h3>`;
  const totals = `<span class="totals">${escapeHtml(group.totals)}</span>`;
  const keep = run.keepApplies ?
      rosterButtonHtml(`keep ${group.number}`, 'secondary', 'Keep, roll the others', word) : '';
  return `<div class="group-head row">${title}${totals}` +
         `${rosterButtonHtml(`${group.number}`, '', 'Roll again', word)}${keep}</div>`;
}

function groupSectionHtml(run, group) {
  const rows = group.slots.map((slot, index) => slotRowHtml(group.number, index + 1, slot));
  return `<section data-group="${group.number}" aria-labelledby="Group${group.number}">` +
         `${groupHeadHtml(run, group)}<ol>${rows.join('')}</ol></section>`;
}

// Builds the roster for the shown force in one go, from one text, then puts it in.
function showRoster() {
  const run = shown.run;
  const roster = element('Roster');
  const focused = roster.contains(document.activeElement) ? document.activeElement : null;
  roster.innerHTML = titledTotalsHtml('h2', forceTitle(run), run.totals) +
                     `<p class="open-notice"${run.openNotice === '' ? ' hidden' : ''}>` +
                     `${escapeHtml(run.openNotice)}</p>` +
                     run.groups.map((group) => groupSectionHtml(run, group)).join('');
  showJumps(run);
  takeRosterFocus(focused === null ? rosterFocus : focused.dataset.action, focused !== null);
}

function sameSlot(a, b) {
  return ['design', 'kind', 'weightClass', 'piloting', 'gunnery', 'open', 'numbers'].every(
      (fact) => a[fact] === b[fact]);
}

// Shows `slot` in its row `row`: a design in place of another changes only the row's words
// (the browser then lays out little more than those); a row that opens or fills is made anew.
function updateSlotRow(row, group, number, slot) {
  if (slot.open !== undefined || row.classList.contains('open')) {
    row.replaceWith(fromHtml(slotRowHtml(group, number, slot)));
    return;
  }
  const [design, kind, weightClass, piloting, gunnery, numbers] =
      row.querySelectorAll('.design, .kind, .class, .skill, .numbers');
  setText(design, slot.design);
  setText(kind, kKindWords[slot.kind]);
  setText(weightClass, slot.weightClass);
  setText(piloting.lastChild, ` ${slot.piloting}`);
  setText(gunnery.lastChild, ` ${slot.gunnery}`);
  if (numbers.textContent !== slot.numbers) numbers.innerHTML = numbersHtml(slot.numbers);
}

// Changes the roster from `before`'s to the shown force's: only the rows, headings and notice
// whose words differ change; every other element stays as it was.
function updateRoster(before) {
  const run = shown.run;
  const roster = element('Roster');
  const focused = roster.contains(document.activeElement) ? document.activeElement : null;
  const totals = roster.querySelector('h2 .totals');
  if (before.totals !== run.totals) totals.textContent = ` \u00b7 ${run.totals}`;
  setText(element('ForceTotals'), run.totals);
  const notice = roster.querySelector('.open-notice');
  if (notice.textContent !== run.openNotice) {
    notice.textContent = run.openNotice;
    notice.hidden = run.openNotice === '';
  }
  const sections = roster.querySelectorAll('section');
  run.groups.forEach((group, index) => {
    const old = before.groups[index];
    if (old === group) return;
    const section = sections[index];
    if (old.weightClass !== group.weightClass)
      section.firstChild.replaceWith(fromHtml(groupHeadHtml(run, group)));
    else if (old.totals !== group.totals)
      section.querySelector('.group-head .totals').textContent = group.totals;
    const rows = section.lastChild.children;
    group.slots.forEach((slot, place) => {
      if (!sameSlot(slot, old.slots[place]))
        updateSlotRow(rows[place], group.number, place + 1, slot);
    });
  });
  takeRosterFocus(focused === null ? rosterFocus : focused.dataset.action, focused !== null);
}

// Gives the roster's one tab stop to the button of `action` (the first button when it is
// gone), focused with `focus`.
function takeRosterFocus(action, focus) {
  const roster = element('Roster');
  for (const stop of roster.querySelectorAll('button[tabindex="0"]')) stop.tabIndex = -1;
  const current = roster.querySelector(`button[data-action="${action}"]`) ??
                  roster.querySelector('button');
  if (current === null) return;
  current.tabIndex = 0;
  rosterFocus = current.dataset.action;
  if (focus) current.focus();
}

// The bar's list of places to go to: the form, the budget, then each group.
function showJumps(run) {
  const jump = element('JumpTo');
  jump.hidden = false;
  const places = run.groups.map((group) =>
    new Option(`${groupWord()} ${group.number} \u00b7 ${group.weightClass}`, group.number));
  jump.replaceChildren(jump.options[0], new Option('The form', 'form'),
                       new Option('The budget', 'budget'), ...places);
  jump.value = '';
}

// Scrolls `target` to the top of the screen, under the bar where the bar stays there.
function scrollUnderBar(target) {
  const bar = element('ForceBar');
  const under = getComputedStyle(bar).position === 'sticky' ? bar.offsetHeight : 0;
  scrollTo({top: target.getBoundingClientRect().top + scrollY - under});
}

function onJump() {
  const jump = element('JumpTo');
  const place = jump.value;
  jump.value = '';
  if (place === 'form') {
    scrollTo({top: 0});
    element('HouseBox').focus({preventScroll: true});
  } else if (place === 'budget') {
    scrollUnderBar(element('Budget'));
    element('BudgetText').focus({preventScroll: true});
  } else {
    scrollUnderBar(element('Roster').querySelector(`section[data-group="${place}"]`));
    takeRosterFocus(place, true);
  }
}

// The action of the roster's button that takes the roster's one tab stop.
let rosterFocus = '';

function markChanged(group, slot, others) {
  const sections = [...element('Roster').querySelectorAll('section')];
  const marked = others ? sections.filter((section) => section.dataset.group !== String(group)) :
                 slot === 0 ? [sections[group - 1]] :
                              [sections[group - 1].querySelectorAll('.slot')[slot - 1]];
  for (const part of marked) part.classList.add('changed');
  setTimeout(() => marked.forEach((part) => part.classList.remove('changed')), 1500);
}

function onRosterClick(event) {
  const button = event.target.closest('button');
  if (button === null) return;
  const action = button.dataset.action;
  const [group, slot] = action.replace('keep ', '').split('.').map(Number);
  rosterFocus = action;
  rollAgain(group, slot ?? 0, action.startsWith('keep '));
}

// The roster is one tab stop: the arrow keys move between its rows (up, down) and the buttons
// of a row (left, right), Home and End to the first and last.
function onRosterKey(event) {
  const buttons = [...element('Roster').querySelectorAll('button')];
  const at = buttons.indexOf(document.activeElement);
  if (at < 0) return;
  const rows = [...element('Roster').querySelectorAll('.row')];
  const row = rows.indexOf(document.activeElement.closest('.row'));
  const firstOfRow = (index) => rows[index].querySelector('button');
  const next = {
    ArrowDown: () => row + 1 < rows.length ? firstOfRow(row + 1) : null,
    ArrowUp: () => row > 0 ? firstOfRow(row - 1) : null,
    ArrowRight: () => buttons[at + 1] ?? null,
    ArrowLeft: () => buttons[at - 1] ?? null,
    Home: () => buttons[0],
    End: () => buttons[buttons.length - 1],
  }[event.key];
  if (next === undefined) return;
  event.preventDefault();
  const target = next();
  if (target === null) return;
  buttons[at].tabIndex = -1;
  target.tabIndex = 0;
  rosterFocus = target.dataset.action;
  target.focus();
}

function showView(view) {
  writeListingBox();
  element('Roster').hidden = view !== 'roster';
  element('MechBox').hidden = view !== 'text';
  element('Rerolls').hidden = view !== 'text';
  element('RosterView').setAttribute('aria-pressed', String(view === 'roster'));
  element('TextView').setAttribute('aria-pressed', String(view === 'text'));
  try {
    sessionStorage.setItem(kStoredView, view);
  } catch {
    // The view then starts as the roster again after a reload.
  }
}

// Sets the form from the address's fragment (words in any letter case) and generates with its
// seed; a fragment naming a word that is in no list, or lacking the seed, is reported and
// generates nothing. The engine says when the table file or the collection differs.
function generateFromLink() {
  const link = new URLSearchParams(location.hash.slice(1));
  const words = [];
  for (const list of lists()) {
    const word = link.get(kLinkKeys[list.id]) ?? '';
    words.push(word === '' ? '' : Module.linkWord(list.id, word));
    if (word !== '' && words.at(-1) === '') {
      const what = list.id === 'HouseBox' ? 'faction' : kLinkKeys[list.id];
      showMessage(`The link's ${what} "${word}" is in no list; nothing was generated.`);
      return;
    }
  }
  lists().forEach((list, index) => (list.value = words[index]));
  element('Vehicle').checked = link.get('vehicles') === '1';
  const seed = link.get('seed');
  if (seed === null) {
    showMessage('The link holds no seed; nothing was generated.');
    return;
  }
  const vehicles = element('Vehicle').checked;
  // The address already holds the link: its history entry becomes the force's.
  redraw({...drawRequest(words, vehicles), seed, rerolls: link.get('r') ?? '',
          tables: link.get('t') ?? '', collection: link.get('c') ?? '',
          unique: link.get('unique') === '1', designs: link.get('d') ?? '',
          points: link.get('points') ?? '', tons: link.get('tons') ?? '',
          skillPoints: link.get('skill_points') ?? ''},
         (run) => showDrawn(run, words, vehicles, 'replace'));
}

// Downloads the listing box's text as it stands, edits included, under the name in FileName.
function saveToFile() {
  const name = element('FileName').value;
  if (name.trim() === '') {
    showMessage('Nothing was saved: type the name of the file to save to.', 'failure',
                element('ToFile'));
    return;
  }
  const text = Module.savedText(listingText());
  const anchor = document.createElement('a');
  anchor.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
  anchor.download = name;
  anchor.click();
  setTimeout(() => URL.revokeObjectURL(anchor.href), 60000);
}

async function copyLink() {
  if (shown === null) return;
  writeHistory();
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    showMessage('Link copied: ' + link, 'notice', element('CopyLink'));
  } catch (error) {
    showMessage(`The browser would not copy the link (${error.message}); copy it from the ` +
                `address bar: ${link}`, 'failure', element('CopyLink'));
  }
}

async function shareLink() {
  if (shown === null) return;
  writeHistory();
  try {
    await navigator.share({title: 'Musterwright: ' + element('Roster').firstChild.textContent,
                           url: location.href});
  } catch (error) {
    if (error.name !== 'AbortError')
      showMessage(`The browser would not share the link (${error.message}); use Copy Link.`,
                  'failure', element('ShareLink'));
  }
}

// The printed sheet: the title, the choices, the seed line and the link, then the roster, or
// the listing's text where it has edits.
function fillPrintSheet() {
  writeHistory();
  const sheet = element('PrintSheet');
  sheet.replaceChildren(make('h1', 'Musterwright'));
  const listing = listingText();
  if (shown !== null) {
    const names = ['Faction', 'Size', 'Weight', 'Experience'];
    const words = shown.run.chosen.map((word, index) => `${names[index]}: ${word}`);
    sheet.append(make('p', `${words.join(' · ')} · vehicles ${shown.vehicles ? 'included' :
                                                                              'left out'}`),
                 make('p', shown.run.seedLine), make('p', location.href));
    if (shown.run.openNotice !== '') sheet.append(make('p', shown.run.openNotice));
  }
  if (shown !== null && listing === shown.run.listing) {
    const roster = element('Roster').cloneNode(true);
    for (const named of roster.querySelectorAll('[id]')) named.removeAttribute('id');
    roster.querySelector('.open-notice').remove();
    sheet.append(...roster.childNodes);
  } else {
    sheet.append(make('pre', listing));
  }
}

function isTextBox(target) {
  return target instanceof HTMLTextAreaElement ||
         (target instanceof HTMLInputElement && target.type === 'text');
}

// Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo (Cmd on a Mac), outside text boxes.
function onPageKey(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey || isTextBox(event.target)) return;
  const key = event.key.toLowerCase();
  if (key === 'z' && !event.shiftKey) undo();
  else if (key === 'y' || (key === 'z' && event.shiftKey)) redo();
  else return;
  event.preventDefault();
}

// The forces of this visit kept over a reload, when the history entry shown is one of theirs.
function restoreForces() {
  let kept = null;
  try {
    kept = JSON.parse(sessionStorage.getItem(kStoredForces));
  } catch {
    return false;
  }
  const state = history.state;
  if (kept === null || state === null || state.forces !== kept.id ||
      !Array.isArray(kept.entries) || !kept.entries[state.position])
    return false;
  forces = kept;
  showEntry(state.position);
  return true;
}


// Wires the controls that act on the force shown, and readies the search worker.
function startForceView() {
  element('CancelSearch').addEventListener('click', stopSearch);
  element('JumpTo').addEventListener('change', onJump);
  element('ToFile').addEventListener('click', saveToFile);
  onEnter(element('FileName'), saveToFile);
  element('PrintButton').addEventListener('click', () => window.print());
  window.addEventListener('beforeprint', fillPrintSheet);
  element('CopyLink').addEventListener('click', copyLink);
  element('ShareLink').addEventListener('click', shareLink);
  element('ShareLink').hidden =
      navigator.share === undefined || !['http:', 'https:'].includes(location.protocol);
  element('UndoButton').addEventListener('click', undo);
  element('RedoButton').addEventListener('click', redo);
  document.addEventListener('keydown', onPageKey);
  element('RosterView').addEventListener('click', () => showView('roster'));
  element('TextView').addEventListener('click', () => showView('text'));
  element('Roster').addEventListener('click', onRosterClick);
  element('Roster').addEventListener('keydown', onRosterKey);
  element('RollGroup').addEventListener('click', () => rollAtCursor('group'));
  element('KeepGroup').addEventListener('click', () => rollAtCursor('others'));
  element('RollSlot').addEventListener('click', () => rollAtCursor('slot'));
  const box = element('MechBox');
  box.addEventListener('input', () => {
    if (forces.position < 0) return;
    forces.entries[forces.position].text = box.value;
    keepForces();
  });
  document.addEventListener('selectionchange', showRerollTarget);
  for (const event of ['input', 'select', 'click', 'keyup'])
    box.addEventListener(event, showRerollTarget);
  window.addEventListener('pagehide', () => {
    writeHistory();
    if (keepPending) keepForcesNow();
  });
  startSearchWorker();
}
