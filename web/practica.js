// The practice page: every click or keystroke goes to the module, which holds
// the practice and marks, helps and scores; the page shows the view it gives
// back, keeps its store and writes its address. No rule lives here.
import { ACCION, practiceEvent, practiceOpen, practiceStart } from './sorvani.js';
import { copy, start, shown } from './comun.js';

const KEY = 'sorvani-practica';
// A kept practice the module could not read: put here rather than lost.
const SET_ASIDE = 'sorvani-practica-apartada';

const $ = (id) => document.getElementById(id);
const problem = $('problema');
const heading = $('titulo');
const data = $('datos');
const sketch = $('croquis');
const question = $('pregunta');
const radios = [...document.querySelectorAll('input[name=cuantos]')];
const boxes = [...Array(8).keys()].map((i) => ({ input: $('r' + i), mark: $('m' + i) }));
const hints = $('pistas');
const solution = $('solucion');
const summary = $('resumen');
const rows = $('filas');
const caseBoxes = [...document.querySelectorAll('input[name=casos]')];
const buttons = { check: $('comprobar'), hint: $('pista'), solution: $('ver-solucion'), next: $('siguiente'),
  copy: $('copiar'), start: $('empezar') };
const notices = { open: $('aviso'), start: $('mensaje') };
let view = null;
let kept = null; // the store as last written
let noticeFrom = 'open';
let svg = null;
let shownHints = [];
let store = ''; // the module's store, kept or not

const drawnSeed = () => crypto.getRandomValues(new BigUint64Array(1))[0].toString();
const link = () => location.href.split('#')[0];

// Storage may be full or forbidden: the page works on without it.
function read() {
  try {
    return localStorage.getItem(KEY) ?? '';
  } catch {
    return '';
  }
}

function keep(text) {
  store = text;
  if (text === kept)
    return;
  kept = text;
  try {
    localStorage.setItem(KEY, text);
  } catch {
    // Not kept this time; the next event tries again.
    kept = null;
  }
}

// A text set only when it changes: live regions announce every setting.
function text(element, value) {
  if (element.textContent !== value)
    element.textContent = value;
}

function attribute(element, name, value) {
  if (value === null)
    element.removeAttribute(name);
  else if (element.getAttribute(name) !== value)
    element.setAttribute(name, value);
}

// The mark's look: right, wrong or unreadable, or not yet marked.
function look(element, mark, invalid) {
  const state = invalid ? 'mal' : mark === 'Correcto' ? 'bien' : '';
  if (element.dataset.estado !== state)
    element.dataset.estado = state;
}

function showProblem() {
  text(heading, view.titulo);
  text($('caso'), view.caso);
  if ([...data.children].map((item) => item.textContent).join('\n') !== view.datos.join('\n')) {
    data.replaceChildren(...view.datos.map((datum) => {
      const item = document.createElement('li');
      item.textContent = datum;
      return item;
    }));
  }
  if (svg !== view.croquis) {
    svg = view.croquis;
    // Markup from the module only: it escapes what it draws.
    sketch.innerHTML = svg;
  }
  // No sketch (no triangle): no image to name.
  attribute(sketch, 'role', view.croquis ? 'img' : null);
  attribute(sketch, 'aria-label', view.croquis ? view.descripcion : null);

  const { activa, eleccion, marca, invalida } = view.pregunta;
  question.hidden = !activa;
  radios.forEach((radio, i) => { radio.checked = eleccion === i; });
  text($('marca-pregunta'), marca);
  look($('marca-pregunta'), marca, invalida);
  attribute(question, 'aria-invalid', invalida ? 'true' : null);

  view.casillas.forEach((box, i) => {
    const { input, mark } = boxes[i];
    input.parentElement.hidden = !box.visible;
    text(input.labels[0], box.nombre);
    attribute(input, 'inputmode', box.angulo ? 'text' : 'decimal');
    // What the student types is never written over while it is the same.
    if (input.value !== box.texto)
      input.value = box.texto;
    text(mark, box.marca);
    look(mark, box.marca, box.invalida);
    attribute(input, 'aria-invalid', box.invalida ? 'true' : null);
  });
  text($('correccion'), view.correccion);

  $('zona-pistas').hidden = view.pistas.length === 0;
  // Hints only grow within a problem: those shown stay, the new ones follow.
  const same = shownHints.length <= view.pistas.length
    && shownHints.every((hint, i) => hint.titulo === view.pistas[i].titulo && hint.texto === view.pistas[i].texto);
  if (!same) {
    hints.replaceChildren();
    shownHints = [];
  }
  for (const hint of view.pistas.slice(shownHints.length)) {
    const step = document.createElement('div');
    // Each title once, over its own steps.
    if (hint.titulo && hint.titulo !== shownHints.at(-1)?.titulo) {
      const name = document.createElement('p');
      name.className = 'pista-titulo';
      name.textContent = hint.titulo;
      step.append(name);
    }
    const pre = document.createElement('pre');
    pre.textContent = hint.texto;
    pre.tabIndex = -1;
    step.append(pre);
    hints.append(step);
    shownHints.push(hint);
  }
  buttons.hint.disabled = !view.masPistas;

  $('zona-solucion').hidden = !view.solucion;
  text(solution, view.solucion);
}

function showSummary() {
  const cells = view.filas.map(({ problema, caso, resultado }) => [String(problema), caso, resultado]);
  if ([...rows.rows].map((row) => [...row.cells].map((c) => c.textContent).join('\t')).join('\n')
      !== cells.map((c) => c.join('\t')).join('\n')) {
    rows.replaceChildren(...cells.map((values) => {
      const row = document.createElement('tr');
      row.append(...values.map((value) => {
        const cell = document.createElement('td');
        cell.textContent = value;
        return cell;
      }));
      return row;
    }));
  }
  text($('totales'), view.totales);
}

function show(outputs) {
  view = outputs.vista;
  keep(outputs.almacen);
  if (location.hash !== '#' + outputs.direccion)
    history.replaceState(null, '', '#' + outputs.direccion);
  problem.hidden = view.resumen;
  summary.hidden = !view.resumen;
  if (view.resumen)
    showSummary();
  else
    showProblem();
  text($('progreso'), view.progreso);
  text(notices[noticeFrom], view.mensaje);
  text(notices[noticeFrom === 'open' ? 'start' : 'open'], '');
}

function choices() {
  const { casos, problemas, decimales, semilla } = view.opciones;
  caseBoxes.forEach((box, i) => { box.checked = casos[i]; });
  $('problemas').value = problemas;
  $('decimales').value = decimales;
  $('semilla').value = semilla;
  buttons.start.disabled = false;
}

// Opens the practice of the address over the store; a store the module could
// not read is moved under its own key before the new one takes its place.
// Following another tab's store writes nothing back until the student acts
// here: two tabs on two sets would otherwise hand the store to and fro.
function open(stored, follow = false) {
  noticeFrom = 'open';
  const outputs = practiceOpen({ almacen: stored, direccion: location.hash.slice(1), enlace: link(), semilla: drawnSeed() });
  if (follow)
    kept = outputs.almacen;
  if (outputs.apartado) {
    try {
      localStorage.removeItem(KEY);
      localStorage.setItem(SET_ASIDE, stored);
    } catch {
      // Nowhere to put it: it stays under its key until the page stores anew.
    }
    kept = null;
  }
  show(outputs);
  choices();
}

function act(action, box, typed) {
  if (view)
    show(practiceEvent(action, box, typed));
}

boxes.forEach(({ input }, i) => input.addEventListener('input', () => act(ACCION.escribir, i, input.value)));
radios.forEach((radio, i) => radio.addEventListener('change', () => act(ACCION.elegir, i)));
buttons.check.addEventListener('click', () => act(ACCION.comprobar));
buttons.hint.addEventListener('click', () => {
  act(ACCION.pista);
  // The button no longer works: focus to the hint it gave last.
  if (buttons.hint.disabled)
    hints.lastElementChild?.querySelector('pre').focus();
});
buttons.solution.addEventListener('click', () => {
  act(ACCION.solucion);
  // Asked for: read out now.
  solution.focus();
});
buttons.next.addEventListener('click', () => {
  act(ACCION.siguiente);
  // A screen reader says which problem, or the summary, comes now.
  (view.resumen ? $('resumen-t') : heading).focus();
});
buttons.copy.addEventListener('click', () => copy(view.copia));
buttons.start.addEventListener('click', () => {
  if (!view)
    return;
  noticeFrom = 'start';
  const outputs = practiceStart({
    casos: caseBoxes.map((box) => box.checked),
    problemas: $('problemas').value,
    decimales: $('decimales').value,
    semilla: $('semilla').value,
  }, drawnSeed());
  show(outputs);
  if (outputs.empezada) {
    choices();
    heading.focus();
  }
});
// With no case ticked there is nothing to practise.
for (const box of caseBoxes)
  box.addEventListener('change', () => { buttons.start.disabled = !caseBoxes.some((b) => b.checked); });
// A link pasted into this page opens its set.
window.addEventListener('hashchange', () => {
  if (view && location.hash !== '#' + view.direccion)
    open(store);
});
// Another tab practised: its store is the newer one.
window.addEventListener('storage', (changed) => {
  if (view && changed.key === KEY && changed.newValue !== null && changed.newValue !== kept)
    open(changed.newValue, true);
});

if (await start(notices.open)) {
  open(read());
  shown();
}
