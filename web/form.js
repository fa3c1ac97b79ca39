// SPDX-License-Identifier: GPL-3.0-or-later
// The page's form: it does what the window does, calling the game through
// the WebAssembly core's C interface and holding the board read-only. A
// command answers with what it did; the presenter below shows the human's
// edge at once and each of the computer's edges after its pause, holds the
// result box back until the final position is on screen, and finishes a turn
// being shown when input arrives instead of playing it. Hint and Show Values
// ask the exact solver in a worker, so the page never waits for it.
"use strict";

// The layout in the board's own pixels at 1x (the window's twips / 15).
const PITCH = 40;
const DOT = 9;
const BAR = 33;
const HIT_MARGIN = 5;
const BOARD = 257;
const FORM_WIDTH = 305;
const VERTICAL = 1;
const HORIZONTAL = 2;

// The window's pauses: before the computer's first edge, between the next
// ones, and the longest a whole turn takes.
const FIRST_MOVE_DELAY_MS = 400;
const NEXT_MOVE_DELAY_MS = 200;
const LONGEST_TURN_MS = 2000;

function moveDelay(move, moves) {
  if (move === 0) return FIRST_MOVE_DELAY_MS;
  return Math.min(NEXT_MOVE_DELAY_MS, Math.floor((LONGEST_TURN_MS - FIRST_MOVE_DELAY_MS) / (moves - 1)));
}

// ---- Languages: the window's catalogues, picked from the browser's. ----

const language = (() => {
  const have = Object.keys(typeof QUADLO_CATALOGUES === "object" ? QUADLO_CATALOGUES : {});
  for (const wanted of navigator.languages || [navigator.language]) {
    const tag = wanted.replace("-", "_");
    const exact = have.find((code) => code.toLowerCase() === tag.toLowerCase());
    if (exact) return exact;
    const base = have.find((code) => code.toLowerCase() === tag.split("_")[0].toLowerCase());
    if (base) return base;
    // English is the sources' own language: a reader who prefers it gets it.
    if (tag.toLowerCase().startsWith("en")) return null;
  }
  return null;
})();

// Which of a text's plural forms a count takes, numbered as Qt's rules
// number them for the language.
function pluralForm(n) {
  if (language === "pl")
    return n === 1 ? 0 : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
  if (language === "fr" || language === "pt_BR") return n > 1 ? 1 : 0;
  return n === 1 ? 0 : 1;
}

function tr(context, text, count) {
  const found = language ? QUADLO_CATALOGUES[language][context + "\u0004" + text] : undefined;
  let result = found === undefined ? text : Array.isArray(found) ? found[Math.min(pluralForm(count), found.length - 1)] : found;
  if (count !== undefined) result = result.replace("%n", String(count));
  return result;
}
const trForm = (text, count) => tr("quadlo::frmQuadlo", text, count);
const trBoard = (text, count) => tr("quadlo::BoardView", text, count);
const trTurn = (text, count) => tr("Turn", text, count);
const arg = (text, ...values) => values.reduce((t, v, i) => t.replace("%" + (i + 1), v), text);

// A menu caption without its "&", and with the letter after it underlined;
// in a span of its own, since a menu item lays out its caption and shortcut
// as a row, and a row would drop the spaces at the ends of the caption's
// pieces ("Owner" "M" "arks" would read "OwnerMarks").
function setMnemonicText(element, caption) {
  element.textContent = "";
  const label = document.createElement("span");
  const at = caption.indexOf("&");
  if (at < 0) {
    label.append(caption);
  } else {
    const u = document.createElement("u");
    u.textContent = caption[at + 1];
    label.append(caption.slice(0, at), u, caption.slice(at + 2));
  }
  element.append(label);
}

// The game's own texts (the rules, the credits, a result) in the language.
const TITLE = "Quadlo! 2.0";
function gameText(text) {
  const game = (t, n) => tr("Game", t, n);
  const about = TITLE + "\r\n";
  if (text.startsWith(about)) {
    const credits = text.slice(about.length);
    return about + game(credits);
  }
  for (const marked of ["You win with %n squares completed.", "The computer wins with %n squares completed."]) {
    const [before, after] = marked.split("%n");
    const match = text.startsWith(before) && text.endsWith(after) ? text.slice(before.length, text.length - after.length) : null;
    if (match !== null && /^[0-9]{1,4}$/.test(match)) return game(marked, Number(match));
  }
  return game(text);
}

// ---- The board's geometry: where each element sits, and hit-testing. ----

// Vertical edges are numbered column by column, horizontal edges row by row.
function edgePosition(family, index) {
  const k = Math.floor((index - 1) / 5);
  const j = (index - 1) % 5;
  return family === VERTICAL ? { row: j, column: k } : { row: k, column: j };
}
const verticalAt = (row, column) => ({ family: VERTICAL, index: 5 * column + row + 1 });
const horizontalAt = (row, column) => ({ family: HORIZONTAL, index: 5 * row + column + 1 });

function edgeRect(family, index) {
  const { row, column } = edgePosition(family, index);
  if (family === VERTICAL) return { x: 24 + PITCH * column, y: 32 + PITCH * row, w: DOT, h: BAR };
  return { x: 32 + PITCH * column, y: 24 + PITCH * row, w: BAR, h: DOT };
}

function hitRect(family, index) {
  const r = edgeRect(family, index);
  return family === VERTICAL ? { x: r.x - HIT_MARGIN, y: r.y, w: r.w + 2 * HIT_MARGIN, h: r.h } : { x: r.x, y: r.y - HIT_MARGIN, w: r.w, h: r.h + 2 * HIT_MARGIN };
}

const holds = (r, x, y) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;

function onADot(x, y) {
  for (let row = 0; row < 6; ++row)
    for (let column = 0; column < 6; ++column) {
      const dx = x - (24 + PITCH * column + DOT / 2);
      const dy = y - (24 + PITCH * row + DOT / 2);
      if (dx * dx + dy * dy < (DOT / 2) * (DOT / 2)) return true;
    }
  return false;
}

// The edge a click at (x, y) on the board draws, as the window finds it: the
// bar painted there, or else the nearest bar whose widened area holds the
// point; none on a dot.
function edgeAt(x, y) {
  if (onADot(x, y)) return null;
  for (const family of [HORIZONTAL, VERTICAL])
    for (let index = 1; index <= 30; ++index) if (holds(edgeRect(family, index), x, y)) return { family, index };
  let nearest = null;
  let nearestDistance = Infinity;
  for (const family of [HORIZONTAL, VERTICAL])
    for (let index = 1; index <= 30; ++index) {
      if (!holds(hitRect(family, index), x, y)) continue;
      const r = edgeRect(family, index);
      const distance = family === VERTICAL ? Math.abs(x - (r.x + r.w / 2)) : Math.abs(y - (r.y + r.h / 2));
      if (distance < nearestDistance) {
        nearest = { family, index };
        nearestDistance = distance;
      }
    }
  return nearest;
}

// The edge the keyboard cursor reaches by one arrow key, as in the window.
function edgeStep(edge, step) {
  const p = edgePosition(edge.family, edge.index);
  const vertical = edge.family === VERTICAL;
  const lastColumn = vertical ? 5 : 4;
  switch (step) {
    case "ArrowLeft":
      return p.column === 0 ? edge : vertical ? verticalAt(p.row, p.column - 1) : horizontalAt(p.row, p.column - 1);
    case "ArrowRight":
      return p.column === lastColumn ? edge : vertical ? verticalAt(p.row, p.column + 1) : horizontalAt(p.row, p.column + 1);
    case "ArrowUp":
      if (vertical) return horizontalAt(p.row, p.column < 5 ? p.column : p.column - 1);
      return p.row === 0 ? edge : verticalAt(p.row - 1, p.column);
    case "ArrowDown":
      if (vertical) return horizontalAt(p.row + 1, p.column < 5 ? p.column : p.column - 1);
      return p.row === 5 ? edge : verticalAt(p.row, p.column);
  }
  return edge;
}

const sameEdge = (a, b) => !!a && !!b && a.family === b.family && a.index === b.index;
const edgeKey = (e) => (e.family === VERTICAL ? "v" : "h") + e.index;

// ---- The picture on screen and the presenter that paces it. ----

function emptyPicture() {
  return { v: Array(31).fill("a"), h: Array(31).fill("a"), sq: Array(26).fill("a"), human: 0, computer: 0, last: [] };
}

function pictureOf(board, last) {
  const picture = emptyPicture();
  for (let i = 1; i <= 30; ++i) {
    picture.v[i] = board.v[i - 1];
    picture.h[i] = board.h[i - 1];
  }
  for (let i = 1; i <= 25; ++i) picture.sq[i] = board.sq[i - 1];
  picture.human = board.human;
  picture.computer = board.computer;
  picture.last = last.slice();
  return picture;
}

// Shows one thing a command did: [player, family, index, square].
function showEvent(picture, [player, family, index, square]) {
  const owner = player === 0 ? "h" : "c";
  if (square === 0) {
    (family === VERTICAL ? picture.v : picture.h)[index] = owner;
    if (player === 0) picture.last = [];
    else picture.last.push({ family, index });
  } else {
    picture.sq[square] = owner;
    if (player === 0) ++picture.human;
    else ++picture.computer;
  }
}

class Presenter {
  constructor(core) {
    this.core = core;
    this.board = null;
    this.picture = emptyPicture();
    this.steps = [];
    this.next = 0;
    this.timer = null;
    this.pending = [];
    this.marksBefore = [];
    this.instant = false;
    this.onChanged = () => {};
    this.onTurnShown = () => {};
    this.onMessage = () => {};
    // The game awaits the computer's next edge from outside (the expert).
    this.onComputerToMove = () => {};
  }

  call(name, ...args) {
    const answer = JSON.parse(this.core.ccall(name, "string", args.map(() => "number"), args));
    this.board = answer.board;
    return answer;
  }

  // A command that is not a click: its boxes show at once, and the picture
  // follows the board.
  run(name, ...args) {
    const answer = this.call(name, ...args);
    this.sync();
    for (const message of answer.messages) this.onMessage(message);
    return answer;
  }

  showing() {
    return this.next < this.steps.length;
  }

  isPlayableNow(edge) {
    if (!edge || this.showing() || !this.board || !this.board.humanToMove) return false;
    return (edge.family === VERTICAL ? this.board.v : this.board.h)[edge.index - 1] === "a";
  }

  // Step 0 is what the human's click did; each computer edge starts a step.
  record(events) {
    for (const event of events) {
      if (event[0] === 1 && event[3] === 0) this.steps.push([]);
      this.steps[this.steps.length - 1].push(event);
    }
  }

  click(edge) {
    if (this.hurry() || this.board.awaitsComputer || !this.isPlayableNow(edge)) return;
    const couldTakeBack = this.board.canTakeBack;
    const marks = this.picture.last.slice();
    const answer = this.call("quadlo_click", edge.family, edge.index);
    this.steps = [[]];
    this.next = 0;
    this.record(answer.events);
    this.pending = answer.messages;
    if (answer.events.length > 0) {
      if (!couldTakeBack) this.marksBefore = [];
      this.marksBefore.push(marks);
    }
    this.askForComputerEdge();
    this.showNext();
    if (this.instant) this.finish();
  }

  // The expert's edge, for the turn the game awaits it in: played at once and
  // shown as the next step of that turn, after a level's pause counted from
  // now when the turn has been shown so far.
  computerPlays(edge) {
    if (!this.board.awaitsComputer) return;
    const caughtUp = !this.showing();
    const answer = this.call("quadlo_play_computer", edge.family, edge.index);
    this.record(answer.events);
    this.pending.push(...answer.messages);
    // The next edge is searched while this one waits for its pause.
    this.askForComputerEdge();
    if (caughtUp) this.showRest();
    if (this.instant) this.finish();
  }

  askForComputerEdge() {
    if (this.board.awaitsComputer) this.onComputerToMove(this.board);
  }

  showNext() {
    for (const event of this.steps[this.next++]) showEvent(this.picture, event);
    this.onChanged();
    this.showRest();
  }

  // What follows a shown step: the next one after its pause, the expert's
  // next edge awaited, or the end of the turn.
  showRest() {
    if (this.showing()) {
      const moves = this.steps.length - 1;
      if (!this.instant) this.timer = setTimeout(() => this.showNext(), moveDelay(this.next - 1, moves));
      return;
    }
    if (this.board.awaitsComputer) return;
    this.sync();
    this.onTurnShown(this.steps.flat());
    this.showPending();
  }

  // Input while a turn is shown finishes the showing and is not played.
  hurry() {
    if (!this.showing()) return false;
    this.finish();
    return true;
  }

  finish() {
    clearTimeout(this.timer);
    if (!this.showing()) return;
    while (this.next + 1 < this.steps.length) for (const event of this.steps[this.next++]) showEvent(this.picture, event);
    this.showNext();
  }

  showPending() {
    const messages = this.pending;
    this.pending = [];
    for (const message of messages) this.onMessage(message);
  }

  // New Game: whatever is still being shown, its result box included, goes.
  drop() {
    clearTimeout(this.timer);
    this.steps = [];
    this.next = 0;
    this.picture.last = [];
    this.pending = [];
    this.marksBefore = [];
  }

  takeBack() {
    this.hurry();
    if (!this.board.canTakeBack) return;
    this.call("quadlo_take_back");
    if (this.marksBefore.length > 0) this.picture.last = this.marksBefore.pop();
    this.sync();
  }

  sync() {
    if (!this.showing()) this.picture = pictureOf(this.board, this.picture.last);
    this.onChanged();
  }
}

// ---- The coach and the expert: the solver in workers. ----

// A position's drawn edges as two masks, bit i for edge i of each family.
function drawnMasks(board) {
  const masks = [0, 0];
  for (let i = 1; i <= 30; ++i) {
    if (board.v[i - 1] !== "a") masks[0] |= 1 << i;
    if (board.h[i - 1] !== "a") masks[1] |= 1 << i;
  }
  return [masks[0] >>> 0, masks[1] >>> 0];
}

// The expert's search for the computer's edge: one at a time, in a worker of
// its own that keeps the expert's table from move to move; a search no
// longer wanted (taken back, a new game) ends its worker.
class ExpertSearch {
  constructor() {
    this.worker = null;
    this.busy = false;
    this.search = 0;
    this.onAnswer = () => {};
  }

  start(board) {
    this.cancel();
    if (!this.worker) {
      this.worker = new Worker("hint-worker.js");
      this.worker.onmessage = ({ data }) => {
        if (data.following !== this.search) return;
        this.busy = false;
        if (data.family) this.onAnswer({ family: data.family, index: data.index });
      };
    }
    const [vertical, horizontal] = drawnMasks(board);
    const seed = Math.floor(Math.random() * 2 ** 32);
    this.busy = true;
    this.worker.postMessage({ kind: "expert", following: this.search, vertical, horizontal, seed });
  }

  cancel() {
    ++this.search;
    if (!this.busy) return;
    this.worker.terminate();
    this.worker = null;
    this.busy = false;
  }
}


// Follows one position at a time, as the window's coach does; a worker
// still searching another is ended and a new one started, so that the page
// never waits for a search to give way.
class Coach {
  constructor() {
    this.worker = null;
    this.busy = false;
    this.followed = null;
    this.following = 0;
    this.known = null;
    this.values = null;
    this.valuesWanted = false;
    this.onLearned = () => {};
    this.onValued = () => {};
  }

  start() {
    this.worker = new Worker("hint-worker.js");
    this.worker.onmessage = (event) => this.told(event.data);
  }

  follow(board) {
    // A position is its drawn edges and the human's lead in squares.
    const key = board.v + board.h + (board.human - board.computer);
    if (this.followed && this.followed.key === key) return;
    const masks = drawnMasks(board);
    this.followed = { key, drawn: board.v + board.h, masks, score: board.human - board.computer };
    this.known = null;
    this.values = null;
    ++this.following;
    this.ask();
  }

  setValuesWanted(wanted) {
    if (wanted === this.valuesWanted) return;
    this.valuesWanted = wanted;
    if (!wanted) this.values = null;
    if (this.followed) {
      ++this.following;
      this.ask();
    }
  }

  ask() {
    if (this.busy) {
      this.worker.terminate();
      this.worker = null;
    }
    if (!this.worker) this.start();
    this.busy = true;
    const { masks, score } = this.followed;
    this.worker.postMessage({ kind: "judge", following: this.following, vertical: masks[0], horizontal: masks[1], score, values: this.valuesWanted });
  }

  stop() {
    if (!this.followed) return;
    this.followed = null;
    this.known = null;
    this.values = null;
    ++this.following;
    if (this.busy) {
      this.worker.terminate();
      this.worker = null;
      this.busy = false;
    }
  }

  told(message) {
    if (message.kind === "done") this.busy = message.following === this.following ? false : this.busy;
    if (message.following !== this.following) return;
    if (message.kind === "proven") {
      this.known = { edge: message.family ? { family: message.family, index: message.index } : null, lowest: message.lowest, highest: message.highest };
      this.onLearned(this.known);
    } else if (message.kind === "valued" && this.valuesWanted) {
      this.values = { drawn: this.followed.drawn, edges: message.edges };
      this.onValued(this.values);
    }
  }
}

// ---- The form. ----

const $ = (id) => document.getElementById(id);

class Form {
  constructor(core) {
    this.presenter = new Presenter(core);
    this.coach = new Coach();
    this.expert = new ExpertSearch();
    this.expertOn = false;
    this.cursor = { family: HORIZONTAL, index: 1 };
    this.pointer = null;
    this.pressed = null;
    this.preview = null;
    this.cursorLeads = false;
    this.coachAsked = false;
    this.hintFor = null;
    this.hintText = "";
    this.lastTurn = [];
    this.lastTurnLeft = "";
    this.edges = new Map();
    this.markers = [];
    this.choices = { ownerMarks: false, instantTurns: false, showTurn: false, showValues: false };
    this.scale = 1;

    this.translate();
    this.buildBoard();
    this.wireMenus();
    this.wireOptions();
    this.wireBoard();
    this.wireKeys();
    this.loadChoices();

    this.presenter.onChanged = () => this.pictureChanged();
    this.presenter.onMessage = (message) => this.showBox(message);
    this.presenter.onTurnShown = (events) => {
      this.announce(this.turnSummary(events, this.presenter.board.humanToMove));
      this.lastTurn = events;
      this.lastTurnLeft = this.positionKey();
      this.updateStatusLine();
    };
    this.coach.onLearned = (hint) => {
      this.showHint(hint);
      this.updateStatusLine();
    };
    this.coach.onValued = () => this.paintValues();
    this.presenter.onComputerToMove = (board) => this.expert.start(board);
    this.expert.onAnswer = (edge) => this.presenter.computerPlays(edge);

    this.presenter.run("quadlo_state");
    // The first focus goes to the options, which may select Medium.
    this.presenter.run("quadlo_options_focused");
    this.focusSelectedOption();
    addEventListener("resize", () => this.fit(true));
    this.fit(true);
  }

  positionKey() {
    const board = this.presenter.board;
    return board.v + board.h;
  }

  translate() {
    if (language) document.documentElement.lang = language.replace("_", "-");
    for (const element of document.querySelectorAll("[data-tr]")) {
      const text = trForm(element.dataset.tr);
      if (element.closest("#menubar")) {
        setMnemonicText(element, text);
        if (element.dataset.key) {
          const shortcut = document.createElement("span");
          shortcut.className = "shortcut";
          shortcut.textContent = "Ctrl+" + element.dataset.key;
          element.append(shortcut);
          element.setAttribute("aria-keyshortcuts", "Control+" + element.dataset.key);
        }
      } else {
        element.textContent = text;
      }
    }
    for (const element of document.querySelectorAll("[data-tr-label]")) element.setAttribute("aria-label", trForm(element.dataset.trLabel));
  }

  buildBoard() {
    const board = $("lblGameboard");
    for (let row = 0; row < 6; ++row)
      for (let column = 0; column < 6; ++column) {
        const dot = document.createElement("div");
        dot.className = "dot";
        dot.style.left = 24 + PITCH * column + "px";
        dot.style.top = 24 + PITCH * row + "px";
        board.append(dot);
      }
    for (let square = 1; square <= 25; ++square) {
      const marker = document.createElement("div");
      marker.className = "marker";
      marker.style.left = 40 + PITCH * ((square - 1) % 5) + "px";
      marker.style.top = 40 + PITCH * Math.floor((square - 1) / 5) + "px";
      board.append(marker);
      this.markers[square] = marker;
    }
    // In the order of the window's accessible children: vertical i, then
    // horizontal i.
    for (let index = 1; index <= 30; ++index)
      for (const family of [VERTICAL, HORIZONTAL]) {
        const edge = document.createElement("div");
        const r = edgeRect(family, index);
        edge.className = "edge " + (family === VERTICAL ? "v" : "e-h");
        edge.style.left = r.x + "px";
        edge.style.top = r.y + "px";
        edge.setAttribute("role", "button");
        edge.tabIndex = -1;
        edge.dataset.family = family;
        edge.dataset.index = index;
        board.append(edge);
        this.edges.set(edgeKey({ family, index }), edge);
      }
    this.edgeElement(this.cursor).tabIndex = 0;
  }

  edgeElement(edge) {
    return this.edges.get(edgeKey(edge));
  }

  // ---- Menus ----

  wireMenus() {
    const titles = [...document.querySelectorAll(".menu-title")];
    const close = () => {
      for (const t of titles) {
        t.setAttribute("aria-expanded", "false");
        t.nextElementSibling.hidden = true;
      }
    };
    let focusBefore = null;
    const open = (title) => {
      if (!$("menubar").contains(document.activeElement)) focusBefore = document.activeElement;
      close();
      title.setAttribute("aria-expanded", "true");
      const menu = title.nextElementSibling;
      menu.hidden = false;
      // A menu wider than the room right of its title, as on a phone in a
      // language of long words, moves left to stay on the screen.
      menu.style.left = "";
      const overflow = menu.getBoundingClientRect().right - innerWidth;
      if (overflow > 0) menu.style.left = -overflow / this.scale + "px";
    };
    const letterOf = (element) => {
      const u = element.querySelector("u");
      return u ? u.textContent.toLowerCase() : null;
    };
    // Alt and a menu's underlined letter open it, its first command focused.
    this.openMenuByLetter = (letter) => {
      const title = titles.find((t) => letterOf(t) === letter.toLowerCase());
      if (!title) return false;
      open(title);
      title.nextElementSibling.querySelector("button:not(:disabled)").focus();
      return true;
    };
    // An open menu has the keyboard, as the window's menus grab it, wherever
    // the focus is (a menu opened by a click leaves it where it was): the
    // arrows go through its commands, a command's underlined letter runs it,
    // Escape closes it. Escape on a menu's title, left with the focus by a
    // menu closed from the keyboard, gives the focus back and goes on to put
    // a hint away. True when the key was the menu's.
    this.menuKey = (event) => {
      const title = titles.find((t) => t.getAttribute("aria-expanded") === "true");
      if (!title) {
        if (event.key === "Escape" && titles.includes(document.activeElement) && focusBefore && focusBefore.focus) focusBefore.focus();
        return false;
      }
      if (event.ctrlKey || event.altKey || event.metaKey) return false;
      const menu = title.nextElementSibling;
      const items = [...menu.querySelectorAll("button:not(:disabled)")];
      const at = items.indexOf(document.activeElement);
      if (event.key === "ArrowDown" || event.key === "ArrowUp") {
        const down = event.key === "ArrowDown";
        items[at < 0 ? (down ? 0 : items.length - 1) : (at + (down ? 1 : items.length - 1)) % items.length].focus();
        return true;
      }
      if (event.key === "Escape") {
        const keyboard = menu.contains(document.activeElement);
        close();
        if (keyboard) title.focus();
        return true;
      }
      const item = event.key.length === 1 && items.find((i) => letterOf(i) === event.key.toLowerCase());
      if (!item) return false;
      item.click();
      return true;
    };
    for (const title of titles) {
      title.addEventListener("click", (event) => {
        event.stopPropagation();
        if (title.getAttribute("aria-expanded") === "true") close();
        else open(title);
      });
      title.addEventListener("pointerenter", () => {
        if (titles.some((t) => t !== title && t.getAttribute("aria-expanded") === "true")) open(title);
      });
    }
    document.addEventListener("click", close);
    // A click on the menus leaves the focus where it is, as in the window.
    $("menubar").addEventListener("mousedown", (event) => event.preventDefault());
    const command = (id, action) =>
      $(id).addEventListener("click", () => {
        close();
        // The focus goes back where it was before the menu opened.
        if (focusBefore && focusBefore.focus) focusBefore.focus();
        action();
      });
    command("mnuNew", () => this.newGame());
    command("mnuTakeBack", () => this.presenter.takeBack());
    command("mnuRules", () => this.presenter.run("quadlo_rules"));
    command("mnuAbout", () => this.presenter.run("quadlo_about"));
    command("mnuHint", () => this.askForHint());
    // Off at first, and not kept; it changes only while the computer is not
    // thinking.
    command("mnuExpert", () => {
      if (this.presenter.board.awaitsComputer) return;
      this.expertOn = !this.expertOn;
      $("mnuExpert").setAttribute("aria-checked", this.expertOn);
      this.presenter.run("quadlo_set_expert", this.expertOn ? 1 : 0);
      // A level greyed under the focus gives it to the board.
      if (document.activeElement === document.body || document.activeElement.disabled) this.focusSelectedOption();
    });
    for (const [id, choice] of [["mnuOwnerMarks", "ownerMarks"], ["mnuInstantTurns", "instantTurns"], ["mnuShowTurn", "showTurn"], ["mnuShowValues", "showValues"]])
      command(id, () => {
        this.choices[choice] = !this.choices[choice];
        this.saveChoices();
        this.applyChoices();
      });
  }

  // The View choices, kept in the browser as the window keeps them in its
  // configuration file; a store that cannot be read or written never stops
  // the game.
  loadChoices() {
    try {
      const kept = JSON.parse(localStorage.getItem("quadlo.view") || "{}");
      for (const choice of Object.keys(this.choices)) if (typeof kept[choice] === "boolean") this.choices[choice] = kept[choice];
    } catch (error) {
      console.warn("Quadlo: the View choices could not be read; the defaults apply.");
    }
    this.applyChoices();
  }

  saveChoices() {
    try {
      localStorage.setItem("quadlo.view", JSON.stringify(this.choices));
    } catch (error) {
      console.warn("Quadlo: the View choices could not be kept.");
    }
  }

  applyChoices() {
    $("mnuOwnerMarks").setAttribute("aria-checked", this.choices.ownerMarks);
    $("mnuInstantTurns").setAttribute("aria-checked", this.choices.instantTurns);
    $("mnuShowTurn").setAttribute("aria-checked", this.choices.showTurn);
    $("mnuShowValues").setAttribute("aria-checked", this.choices.showValues);
    $("lblGameboard").classList.toggle("owner-marks", this.choices.ownerMarks);
    this.presenter.finish();
    this.presenter.instant = this.choices.instantTurns;
    if (this.presenter.board) {
      this.steerCoach();
      this.updateStatusLine();
    }
  }

  newGame() {
    this.dropHint();
    this.coachAsked = false;
    this.presenter.drop();
    this.presenter.run("quadlo_new_game");
    this.focusSelectedOption();
  }

  // ---- Options ----

  wireOptions() {
    for (const input of document.querySelectorAll("#options input"))
      input.addEventListener("change", () => {
        if (input.checked) this.presenter.run("quadlo_select", Number(input.value));
      });
    // A caption wider than its place is narrowed as far as it must, as the
    // window narrows it, but never below extra-condensed (62.5 %).
    document.fonts.ready.then(() => {
      for (const option of document.querySelectorAll(".option")) {
        const span = option.querySelector("span");
        const room = option.clientWidth - span.offsetLeft - 3;
        if (span.offsetWidth > room) span.style.transform = `scaleX(${Math.max(0.625, room / span.offsetWidth)})`;
      }
    });
    // The canvas asks for the title's face only as it draws; once it has
    // loaded, the title is drawn again in it.
    document.fonts.load('64px "Kaushan Script"', TITLE).then(() => this.drawTitle());
  }

  focusSelectedOption() {
    if (this.expertOn) {
      this.edgeElement(this.cursor).focus();
      return;
    }
    const level = this.presenter.board.level;
    const id = level === 1 ? "lblEasy" : level === 3 ? "lblHard" : "lblMedium";
    $(id).querySelector("input").focus();
  }

  // ---- The board ----

  toLayout(event) {
    const r = $("lblGameboard").getBoundingClientRect();
    return { x: ((event.clientX - r.left) * BOARD) / r.width, y: ((event.clientY - r.top) * BOARD) / r.height };
  }

  wireBoard() {
    const board = $("lblGameboard");
    board.addEventListener("pointerdown", (event) => {
      // A click on the board leaves the focus where it is, on the options.
      event.preventDefault();
      this.pressed = null;
      if (event.button !== 0) return;
      if (this.presenter.hurry()) return;
      const { x, y } = this.toLayout(event);
      this.pressed = edgeAt(x, y);
    });
    board.addEventListener("pointerup", (event) => {
      if (event.button !== 0) return;
      const pressed = this.pressed;
      this.pressed = null;
      const { x, y } = this.toLayout(event);
      if (pressed && sameEdge(edgeAt(x, y), pressed)) this.presenter.click(pressed);
    });
    board.addEventListener("pointermove", (event) => {
      if (event.pointerType !== "mouse") return;
      this.pointer = this.toLayout(event);
      this.cursorLeads = false;
      this.updatePreview();
    });
    board.addEventListener("pointerleave", () => {
      this.pointer = null;
      this.updatePreview();
    });
    board.addEventListener("focusin", (event) => {
      const edge = event.target.closest(".edge");
      if (!edge) return;
      this.cursorLeads = true;
      this.moveCursorTo({ family: Number(edge.dataset.family), index: Number(edge.dataset.index) });
    });
    board.addEventListener("focusout", () => {
      this.cursorLeads = false;
      this.updatePreview();
    });
    board.addEventListener("keydown", (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      if (event.key.startsWith("Arrow")) {
        event.preventDefault();
        this.edgeElement(edgeStep(this.cursor, event.key)).focus();
      } else if (event.key === "Enter" || event.key === " ") {
        event.preventDefault();
        if (this.presenter.isPlayableNow(this.cursor)) this.presenter.click(this.cursor);
      }
    });
  }

  moveCursorTo(edge) {
    this.edgeElement(this.cursor).tabIndex = -1;
    this.cursor = edge;
    this.edgeElement(edge).tabIndex = 0;
    this.updatePreview();
  }

  boardHasFocus() {
    return $("lblGameboard").contains(document.activeElement);
  }

  updatePreview() {
    let edge = this.cursorLeads && this.boardHasFocus() ? this.cursor : this.pointer ? edgeAt(this.pointer.x, this.pointer.y) : null;
    if (edge && !this.presenter.isPlayableNow(edge)) edge = null;
    if (sameEdge(edge, this.preview) || (!edge && !this.preview)) return;
    if (this.preview) this.edgeElement(this.preview).classList.remove("preview");
    this.preview = edge;
    if (edge) this.edgeElement(edge).classList.add("preview");
    $("lblGameboard").classList.toggle("playable", !!edge);
  }

  describe(edge, owner) {
    const whose = owner === "h" ? trBoard("yours") : owner === "c" ? trBoard("the computer's") : trBoard("open");
    const p = edgePosition(edge.family, edge.index);
    if (edge.family === VERTICAL) return arg(trBoard("Vertical edge in column %1 between rows %2 and %3, %4"), p.column + 1, p.row + 1, p.row + 2, whose);
    return arg(trBoard("Horizontal edge in row %1 between columns %2 and %3, %4"), p.row + 1, p.column + 1, p.column + 2, whose);
  }

  pictureChanged() {
    const picture = this.presenter.picture;
    const last = picture.last;
    for (let index = 1; index <= 30; ++index)
      for (const family of [VERTICAL, HORIZONTAL]) {
        const edge = { family, index };
        const element = this.edgeElement(edge);
        const owner = (family === VERTICAL ? picture.v : picture.h)[index];
        const at = last.findIndex((e) => sameEdge(e, edge));
        element.classList.toggle("h", owner === "h");
        element.classList.toggle("c", owner === "c");
        element.classList.toggle("last", at >= 0 && at === last.length - 1);
        element.classList.toggle("dashed", at >= 0 && at < last.length - 1);
        const name = this.describe(edge, owner);
        if (element.getAttribute("aria-label") !== name) element.setAttribute("aria-label", name);
      }
    for (let square = 1; square <= 25; ++square) this.markers[square].className = "marker " + picture.sq[square];
    $("lblScore1").textContent = picture.human;
    $("lblScore2").textContent = picture.computer;
    $("lblScore1").setAttribute("aria-label", arg(trForm("Human score %1"), picture.human));
    $("lblScore2").setAttribute("aria-label", arg(trForm("Computer score %1"), picture.computer));
    const board = this.presenter.board;
    // While the expert plays, no level applies: none shows as selected and
    // none can be chosen; the game keeps its level for when it is off.
    for (const input of document.querySelectorAll("#options input")) {
      input.checked = !this.expertOn && Number(input.value) === board.level;
      input.disabled = this.expertOn;
      input.parentElement.classList.toggle("disabled", this.expertOn);
    }
    // The expert's search is for the computer's turn under way: once the game
    // no longer awaits it, it is dropped.
    if (!board.awaitsComputer) this.expert.cancel();
    $("mnuExpert").disabled = board.awaitsComputer;
    if (this.hintFor && this.hintFor !== this.positionKey()) this.dropHint();
    this.steerCoach();
    $("mnuTakeBack").disabled = !board.canTakeBack;
    $("mnuHint").disabled = !board.humanToMove;
    this.updateStatusLine();
    this.updatePreview();
    this.paintValues();
  }

  // ---- Hint, Show Values and the line under the form ----

  askForHint() {
    // A hint is for the position on screen.
    this.presenter.hurry();
    if (!this.presenter.board.humanToMove) return;
    this.coachAsked = true;
    this.hintFor = this.positionKey();
    this.steerCoach();
    this.showHint(this.coach.known);
  }

  steerCoach() {
    const board = this.presenter.board;
    this.coach.setValuesWanted(this.choices.showValues);
    if ((this.coachAsked || this.choices.showValues) && board.humanToMove) this.coach.follow(board);
    else this.coach.stop();
    this.paintValues();
  }

  verdictText(hint) {
    // A 25-square board has no tie, so only a bound clear of it says who wins.
    if (hint && hint.lowest > 0) return hint.lowest === hint.highest ? trForm("With best play you win by %n.", hint.lowest) : trForm("With best play you win (by at least %n).", hint.lowest);
    if (hint && hint.highest < 0) return hint.lowest === hint.highest ? trForm("With best play the computer wins by %n.", -hint.highest) : trForm("With best play the computer wins (by at least %n).", -hint.highest);
    return trForm("Thinking about the best move…");
  }

  showHint(hint) {
    if (!this.hintFor) return;
    for (const element of document.querySelectorAll(".edge.hint")) element.classList.remove("hint");
    if (hint && hint.edge) this.edgeElement(hint.edge).classList.add("hint");
    const text = this.verdictText(hint);
    if (text !== this.hintText) {
      this.hintText = text;
      this.updateStatusLine();
      this.announce(text);
    }
  }

  dropHint() {
    this.hintFor = null;
    this.hintText = "";
    for (const element of document.querySelectorAll(".edge.hint")) element.classList.remove("hint");
    this.updateStatusLine();
  }

  paintValues() {
    const values = this.coach.values;
    const shown = this.choices.showValues && values && !this.presenter.showing() && this.presenter.board.humanToMove && values.drawn === this.positionKey();
    for (const element of this.edges.values()) {
      element.classList.remove("best");
      element.textContent = "";
      element.removeAttribute("aria-description");
    }
    if (!shown) return;
    for (const [family, index, squares] of values.edges) {
      const element = this.edgeElement({ family, index });
      if (squares === 0) {
        element.classList.add("best");
        element.setAttribute("aria-description", trBoard("best move"));
        continue;
      }
      const loss = document.createElement("span");
      loss.className = "loss";
      loss.textContent = squares;
      element.append(loss);
      element.setAttribute("aria-description", squares === 1 ? trBoard("loses a square") : trBoard("loses %n squares", squares));
    }
  }

  turnSummary(events, humanToMove) {
    let humanSquares = 0;
    let computerEdges = 0;
    let computerSquares = 0;
    for (const [player, , , square] of events) {
      if (player === 0) humanSquares += square !== 0 ? 1 : 0;
      else if (square === 0) ++computerEdges;
      else ++computerSquares;
    }
    const parts = [];
    if (humanSquares === 1) parts.push(trTurn("You took a square."));
    else if (humanSquares > 1) parts.push(trTurn("You took %n squares.", humanSquares));
    if (computerEdges > 0) {
      let computer = computerEdges === 1 ? trTurn("Computer drew an edge") : trTurn("Computer drew %n edges", computerEdges);
      if (computerSquares === 1) computer = arg(trTurn("%1 and took a square"), computer);
      else if (computerSquares > 1) computer = arg(trTurn("%1 and took %n squares", computerSquares), computer);
      parts.push(computer + ".");
    }
    parts.push(humanToMove ? trTurn("Your move.") : trTurn("Game over."));
    return parts.join(" ");
  }

  turnText() {
    if (this.presenter.showing()) return trForm("The computer is moving…");
    const humansAlone = this.lastTurnLeft === this.positionKey() && !this.lastTurn.some((event) => event[0] === 1);
    return this.turnSummary(humansAlone ? this.lastTurn : [], this.presenter.board.humanToMove);
  }

  updateStatusLine() {
    let text = "";
    if (this.hintFor) {
      text = this.hintText;
    } else {
      const parts = [];
      if (this.choices.showTurn) parts.push(this.turnText());
      if (this.choices.showValues && this.presenter.board.humanToMove && !this.presenter.showing()) parts.push(this.verdictText(this.coach.known));
      text = parts.join(" ");
    }
    const line = $("lblHint");
    if (line.textContent === text && line.hidden === !text) return;
    // The form grows by the line, which may wrap.
    line.textContent = text;
    line.hidden = !text;
    this.fit();
  }

  announce(text) {
    $("announcer").textContent = text;
  }

  // ---- Keys ----

  wireKeys() {
    document.addEventListener(
      "keydown",
      (event) => {
        if ($("box").open) return;
        if (this.menuKey(event)) {
          event.preventDefault();
          event.stopPropagation();
          return;
        }
        // Any key but a modifier, while a turn is shown, finishes it and is
        // not played.
        if (this.presenter.showing() && !["Shift", "Control", "Alt", "Meta"].includes(event.key)) {
          this.presenter.hurry();
          event.preventDefault();
          event.stopPropagation();
          return;
        }
        if (event.key === "Escape" && this.hintFor) {
          this.dropHint();
          return;
        }
        if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
          if (this.openMenuByLetter(event.key)) event.preventDefault();
          return;
        }
        if (!event.ctrlKey || event.altKey || event.metaKey) return;
        const item = document.querySelector(`#menubar [data-key="${event.key.toUpperCase()}"]`);
        if (!item) return;
        event.preventDefault();
        if (!item.disabled) item.click();
      },
      true
    );
  }

  // ---- Message boxes ----

  showBox([style, title, text]) {
    const box = $("box");
    $("boxTitle").textContent = gameText(title);
    $("boxText").textContent = gameText(text).replaceAll("\r\n", "\n");
    box.classList.toggle("plain", style === 0);
    box.classList.remove("beside", "flowing");
    box.style.left = box.style.top = "";
    box.returnFocus = document.activeElement;
    box.showModal();
    // On a screen too narrow for its lines as they are broken, the text
    // flows as one paragraph within the box.
    if ($("boxText").scrollWidth > $("boxText").clientWidth) box.classList.add("flowing");
    // The result opens clear of the board, whose final position it
    // announces: beside the form, right or left, where there is room, else
    // below the scores, as far as the screen has room.
    if (style === 0) {
      const board = $("lblGameboard").getBoundingClientRect();
      const form = $("window").getBoundingClientRect();
      const width = box.offsetWidth;
      const height = box.offsetHeight;
      box.classList.add("beside");
      const middle = Math.max(0, board.top + board.height / 2 - height / 2) + "px";
      if (form.right + 8 + width <= innerWidth) {
        box.style.left = form.right + 8 + "px";
        box.style.top = middle;
      } else if (form.left - 8 - width >= 0) {
        box.style.left = form.left - 8 - width + "px";
        box.style.top = middle;
      } else {
        box.style.left = Math.max(0, (innerWidth - width) / 2) + "px";
        const scores = $("lblScore1").getBoundingClientRect();
        box.style.top = Math.min(scores.bottom + 4, Math.max(0, innerHeight - height)) + "px";
      }
    }
  }

  // ---- Scaling to the viewport ----

  // The form at the largest scale that fits the page. A status line that
  // needs room shrinks it, and it keeps that size when the line goes, as the
  // window does, so that the board does not change size from move to move;
  // a page of a new size starts afresh.
  fit(afresh = false) {
    const win = $("window");
    const client = $("client");
    const line = $("lblHint");
    const statusHeight = line.hidden ? 0 : line.offsetHeight;
    client.style.height = 530 + statusHeight + "px";
    const height = $("menubar").offsetHeight + 530 + statusHeight;
    const fitting = Math.min(innerWidth / FORM_WIDTH, innerHeight / height);
    this.scale = afresh ? fitting : Math.min(this.scale, fitting);
    win.style.transform = `scale(${this.scale})`;
    win.style.left = Math.max(0, (innerWidth - FORM_WIDTH * this.scale) / 2) + "px";
    win.style.top = Math.max(0, (innerHeight - height * this.scale) / 2) + "px";
    this.drawTitle();
  }

  // The title as the window paints it: the script's ink squeezed into its
  // label where it is wider or taller, with a pixel of air, and centred.
  drawTitle() {
    const canvas = $("lblTitle");
    const density = this.scale * (devicePixelRatio || 1);
    canvas.width = Math.round(293 * density);
    canvas.height = Math.round(65 * density);
    canvas.style.width = "293px";
    canvas.style.height = "65px";
    const context = canvas.getContext("2d");
    context.font = '64px "Kaushan Script"';
    const ink = context.measureText(TITLE);
    const inkWidth = ink.actualBoundingBoxLeft + ink.actualBoundingBoxRight;
    const inkHeight = ink.actualBoundingBoxAscent + ink.actualBoundingBoxDescent;
    if (!(inkWidth > 0)) return;
    const room = { width: 291, height: 63 };
    context.scale(density, density);
    context.translate(146.5, 32.5);
    context.scale(Math.min(1, room.width / inkWidth), Math.min(1, room.height / inkHeight));
    context.translate(-(ink.actualBoundingBoxRight - ink.actualBoundingBoxLeft) / 2, (ink.actualBoundingBoxAscent - ink.actualBoundingBoxDescent) / 2);
    context.fillStyle = "#fff";
    context.fillText(TITLE, 0, 0);
  }
}

$("boxOk").addEventListener("click", () => $("box").close());
$("box").addEventListener("close", () => {
  const back = $("box").returnFocus;
  if (back && back.focus) back.focus();
});

createQuadlo().then((core) => {
  window.quadlo = new Form(core);
  document.documentElement.dataset.ready = "true";
  performance.mark("quadlo-ready");
});
