#!/usr/bin/python3
"""The web app in headless Chromium, as a student and a teacher use it, against
the native sorvani-calc: every row of tests/GeneralCases.h typed key by key, both
triangles, the lock, unreadable and hostile input, the link, the working, the
worksheet's three files, phone size, print, accessibility (axe-core),
installability and a reload with the server gone. Exit 77 (skipped) where the
browser, its driver, selenium or the built site is missing."""

import argparse
import base64
import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

from browser import Site, chromium, missing, phone

SKIP = 77
PARTS = ['a', 'b', 'c', 'A', 'B', 'C']
NAMES = ['Lado a', 'Lado b', 'Lado c', 'Ángulo A', 'Ángulo B', 'Ángulo C']
RESULTS = ['Área', 'Perímetro', 'Semiperímetro', 'Altura sobre a', 'Altura sobre b', 'Altura sobre c',
           'Mediana de a', 'Mediana de b', 'Mediana de c', 'Bisectriz de A', 'Bisectriz de B',
           'Bisectriz de C', 'Radio inscrito', 'Radio circunscrito']
HOSTILE = '<img src=x onerror=alert(1)>'

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print('FAIL:', what, flush=True)
    return ok


def skip(why):
    print('SKIP:', why)
    sys.exit(SKIP)


def general_rows(header):
    """(name, typed parts) of each row of GeneralCases.h."""
    text = open(header, encoding='utf-8').read()
    rows = []
    for name, typed in re.findall(r'\{"([^"]+)", \{([^}]*)\}, "\w*", \d', text):
        values = [None if v == '_' else v[1:-1] for v in re.findall(r'"[^"]*"|_', typed)]
        rows.append((name, values))
    # A row written some other way would be left out without a word.
    check(len(rows) == text.count('\n    {"') and all(len(r[1]) == 6 for r in rows), 'GeneralCases.h not read whole')
    return rows


def native(calc, *args):
    return subprocess.run([calc, *args], capture_output=True, text=True)


def native_view(calc, typed, decimals=4, steps=False):
    """What sorvani-calc resolver writes: status line, per triangle {label: (decimal, dms)} and its working."""
    given = [f'{PARTS[i]}={v}' for i, v in enumerate(typed) if v is not None]
    run = native(calc, '--decimales', str(decimals), *(['--pasos'] if steps else []), 'resolver', *given)
    if run.returncode != 0:
        status = run.stderr.strip().splitlines()[-1]
        # As the window says it: no side can be typed until an angle is emptied.
        if all(v is None for v in typed[:3]):
            status += '. Vacíe primero uno de los ángulos.'
        return {'status': status, 'text': run.stdout, 'triangles': []}
    head, *blocks = re.split(r'\n\n(?:Solución \d\n)?(?=Lado a = )', run.stdout)
    case, tail = head.split(': ', 1)
    triangles = []
    for block in blocks:
        body, _, working = block.partition('Pasos:\n')
        values = {}
        for line in body.splitlines():
            label, _, value = line.replace(' (dato)', '').partition(' = ')
            if line.startswith('Tipo: '):
                values['Tipo'] = (line[len('Tipo: '):], None)
            elif value:
                decimal, _, dms = value.partition(' = ')
                values[label] = (decimal, dms)
        triangles.append({'values': values, 'pasos': working.rstrip('\n')})
    return {'status': case + ': ' + tail.rsplit('; ', 1)[-1], 'text': run.stdout, 'triangles': triangles}


class Page:
    def __init__(self, driver, site):
        self.d = driver
        self.site = site

    def open(self, path):
        self.d.get(self.site.url + path)
        self.wait(lambda: self.d.execute_script('return "listo" in document.documentElement.dataset'))

    def wait(self, condition, timeout=10):
        end = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > end:
                raise TimeoutError('page not ready')
            time.sleep(0.02)

    def box(self, name):
        """The element whose accessible name is `name`."""
        return self.d.execute_script(
            'return [...document.querySelectorAll("input, select")].find((e) => [...e.labels].some('
            '(l) => l.textContent.trim() === arguments[0]))', name)

    def button(self, name, within='body'):
        return self.d.execute_script(
            'return [...document.querySelector(arguments[1]).querySelectorAll("button, a")]'
            '.find((e) => e.textContent.trim() === arguments[0])', name, within)

    def value(self, name):
        return self.box(name).get_property('value')

    def status(self):
        return self.d.find_element('css selector', '[role=status]').get_property('textContent')

    def type(self, typed):
        self.button('Borrar').click()
        for name, text in zip(NAMES, typed):
            if text is not None:
                self.box(name).send_keys(text)

    def choose(self, label):
        self.d.execute_script('[...document.querySelectorAll("label")].find((l) => l.textContent.trim() === '
                              'arguments[0]).querySelector("input").click()', label)

    def axe(self, source, where):
        if not source:
            return
        self.d.execute_script(source)
        found = self.d.execute_async_script(
            'const done = arguments[arguments.length - 1];'
            'axe.run(document).then((r) => done(r.violations.map((v) => v.id + ": " + v.nodes.length)))')
        check(not found, f'axe, {where}: {found}')


def compare(page, row, typed, expected, shown, degrees='dms'):
    """Every box, the status, the working and the figure's name against the native answer."""
    seen = page.d.execute_script('''const seen = {};
        for (const label of document.querySelectorAll('label'))
          if (label.control && label.control.type !== 'radio')
            seen[label.textContent.trim()] = [label.control.value, label.control.readOnly];
        return [seen, document.getElementById('estado').textContent, document.getElementById('pasos').textContent,
                document.querySelector('[role=img]')?.getAttribute('aria-label') ?? ''];''')
    seen, status, pasos, figure = seen
    check(status == expected['status'], f'{row}: status {status!r}, native {expected["status"]!r}')
    triangles = expected['triangles']
    values = triangles[shown]['values'] if triangles else {}
    for i, name in enumerate(NAMES):
        if typed[i] is not None:
            want = typed[i]
        elif not triangles:
            want = ''
        else:
            decimal, dms = values[name]
            want = dms if i >= 3 and degrees == 'dms' else decimal
        check(seen[name][0] == want, f'{row}: {name} {seen[name][0]!r}, expected {want!r}')
        locked = typed[i] is None and sum(t is not None for t in typed) >= 3
        check(seen[name][1] == locked, f'{row}: {name} locked {seen[name][1]}')
    for name in RESULTS + ['Tipo']:
        want = values[name][0] if values else ''
        got = 'triángulo ' + seen[name][0] if name == 'Tipo' and values else seen[name][0]
        check(got == want, f'{row}: {name} {got!r}, expected {want!r}')
    if values:
        check(pasos.rstrip('\n') == triangles[shown]['pasos'], f'{row}: Pasos differ:\n{pasos}\n--\n{triangles[shown]["pasos"]}')
        # The figure is named by its type and every part as the results write them.
        shown_parts = [values[n][1 if i >= 3 and degrees == 'dms' else 0] for i, n in enumerate(NAMES)]
        want = f'Triángulo {seen["Tipo"][0]}: ' + ', '.join(f'{p} = {v}' for p, v in zip(PARTS, shown_parts))
        check(figure == want, f'{row}: figure named {figure!r}')
    else:
        check(pasos == '' and figure == '', f'{row}: working or figure without a triangle')


def test_general_cases(page, args, axe):
    page.open('index.html')
    page.axe(axe, 'empty page')
    page.d.execute_script('navigator.clipboard.writeText = async (t) => { window.copied = t; }')
    for row, typed in general_rows(args.cases):
        # Only three boxes take data: a fourth is locked (test_lock_and_unreadable).
        if sum(t is not None for t in typed) != 3:
            continue
        expected = native_view(args.calc, typed, steps=True)
        page.type(typed)
        compare(page, row, typed, expected, 0)
        if expected['triangles']:
            page.button('Copiar').click()
            copied = page.d.execute_script('return window.copied')
            check(copied == native_view(args.calc, typed)['text'], f'{row}: Copiar gave {copied!r}')
        two = len(expected['triangles']) == 2
        check(page.d.find_element('id', 'soluciones').is_displayed() == two, f'{row}: switch shown {not two}')
        if two:
            page.choose('Solución 2')
            compare(page, row + ', second', typed, expected, 1)
            page.choose('Solución 1')
            compare(page, row + ', first again', typed, expected, 0)
    # The other way of showing angles, and other decimals, on the last solved row.
    typed = ['4', None, '5', '40', None, None]
    page.type(typed)
    page.choose('grados decimales')
    page.box('Decimales').clear()
    page.box('Decimales').send_keys('7')
    compare(page, 'decimal degrees, 7 decimals', typed, native_view(args.calc, typed, 7, True), 0, 'decimal')
    page.choose('grados, minutos y segundos')


def test_lock_and_unreadable(page, args, axe):
    page.open('index.html')
    page.type(['3', '4', '5', None, None, None])
    page.axe(axe, 'solved')
    angle = page.box('Ángulo A')
    solved = angle.get_property('value')
    angle.send_keys('9')
    check(angle.get_property('value') == solved, 'a solved box takes typing')
    page.box('Lado c').send_keys('\b')
    check(page.status() == 'Faltan datos: dé tres de las seis partes, al menos un lado (hay 2)', 'two data')
    check(all(page.value(n) == '' and page.box(n).get_attribute('readonly') is None for n in NAMES[3:]),
          'emptying a datum frees the solved boxes')
    page.box('Ángulo C').send_keys('90')
    check(page.value('Lado c') == '5' and page.value('Lado a') == '3', f'a new datum: c {page.value("Lado c")!r}')
    check(page.status() == native_view(args.calc, ['3', '4', None, None, None, '90'])['status'], 'a, b, C solved')
    # Three angles: the status asks for a side.
    page.type([None, None, None, '60', '60', '60'])
    check('Vacíe primero uno de los ángulos.' in page.status(), f'three angles: {page.status()!r}')
    # A hostile value is text: named unreadable, no markup, no dialog.
    page.type([HOSTILE, '4', '5', None, None, None])
    check(page.value('Lado a') == HOSTILE and page.status() == 'No se puede leer el lado a.',
          f'unreadable: {page.status()!r}')
    check(page.box('Lado a').get_attribute('aria-invalid') == 'true', 'unreadable box not marked')
    check(page.d.execute_script('return document.querySelectorAll("main img").length') == 0, 'typed markup became an element')
    page.axe(axe, 'refused')
    page.type(['3', None, '5', '40', None, None])
    check(page.status() == native_view(args.calc, ['3', None, '5', '40', None, None])['status'], 'no triangle status')
    page.axe(axe, 'no triangle')
    try:
        page.d.switch_to.alert.dismiss()
        check(False, 'a dialog opened')
    except Exception:
        pass


def test_link(page, args, axe):
    page.open('index.html#a=4&c=5&A=40')
    typed = ['4', None, '5', '40', None, None]
    compare(page, 'link', typed, native_view(args.calc, typed, steps=True), 0)
    page.axe(axe, 'two solutions')
    check(page.d.find_element('css selector', '[role=status]').get_attribute('aria-label') == 'Estado', 'status unnamed')
    history = page.d.execute_script('return history.length')
    page.box('Lado a').send_keys('.5')
    address = urllib.parse.unquote(page.d.current_url.split('#', 1)[1])
    check(address == 'a=4.5&c=5&A=40', f'address after typing: {address}')
    check(page.d.execute_script('return history.length') == history, 'typing filled the history')
    # A link is typed text too.
    page.open('index.html#' + urllib.parse.urlencode({'a': HOSTILE, 'b': '4', 'c': '5'}))
    check(page.value('Lado a') == HOSTILE and page.status() == 'No se puede leer el lado a.', 'hostile link')
    check(page.d.execute_script('return document.querySelectorAll("main img").length') == 0, 'a link became markup')
    page.button('Hoja de ejercicios').click()
    page.wait(lambda: page.d.title == 'Sorvani: hoja de ejercicios')


def fits_phone(page, where):
    """On a phone's screen: every box and button a fingertip wide, nothing to scroll sideways."""
    small = page.d.execute_script('''
        const small = [];
        for (const e of document.querySelectorAll('input:not([type=radio]), select, button')) {
          const r = e.getBoundingClientRect();
          if (r.width && (r.width < 44 || r.height < 44)) small.push(e.id + ' ' + r.width + 'x' + r.height);
        }
        return small;''')
    check(not small, f'{where}: boxes or buttons under 44 px: {small}')
    width = page.d.execute_script('return document.documentElement.scrollWidth')
    check(width <= 360, f'{where}: scrolls sideways ({width} px)')


def test_phone_and_print(page, args, axe):
    phone(page.d)
    for path in ('index.html#a=4&c=5&A=40', 'hoja.html'):
        page.open(path)
        fits_phone(page, path)
    page.open('index.html#a=4&c=5&A=40')
    figure, lefts = page.d.execute_script('''
        return [document.querySelector('#figura svg').getBoundingClientRect().right,
                new Set([...document.querySelectorAll('[data-r]')].map((e) => e.getBoundingClientRect().left)).size]''')
    check(figure <= 360 and lefts == 1, f'phone: figure ends at {figure}, results in {lefts} columns')
    phone(page.d, False)
    pdf = page.d.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})
    with tempfile.NamedTemporaryFile(suffix='.pdf') as file:
        file.write(base64.b64decode(pdf['data']))
        file.flush()
        text = subprocess.run(['pdftotext', '-layout', file.name, '-'], capture_output=True, text=True).stdout
    pages = text.count('\f')
    check(pages == 1, f'print: {pages} pages')
    for word in ('Lado a', 'Solución 1', 'Radio circunscrito', 'Pasos', 'Bisectriz de C', '3.1114', 'P = 15.2115'):
        check(word in text, f'print lacks {word!r}')
    check('Copiar' not in text and 'Borrar' not in text and 'Solución 2' not in text, 'print shows buttons')


def download(page, button, path, within='body'):
    """The bytes the button saves as `path`."""
    if os.path.exists(path):
        os.remove(path)
    page.button(button, within).click()
    page.wait(lambda: os.path.exists(path) and not os.path.exists(path + '.crdownload'))
    time.sleep(0.1)
    return open(path, 'rb').read()


def test_worksheet(page, args, axe, downloads):
    rows = ('tres-lados;3;4;5\nresolver;a=4;c=5;A=40\nresolver;a=3;c=5;A=40\n'
            f'resolver;a={HOSTILE};b=4;c=5\ndos-lados;45;30;15;10,5;7\ntres-lados;3;4cm;5\nfoo;1;2\n'
            'dos-angulos;20;30;0;40;15;30;12.5\nresolver;a=1;b=2;c=5\n')
    page.d.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': downloads})
    # The figure saved is the one sorvani-calc --svg draws.
    page.open('index.html#a=3&b=4&c=5')
    native_svg = os.path.join(downloads, 'native.svg')
    subprocess.run([args.calc, '--svg', native_svg, 'resolver', 'a=3', 'b=4', 'c=5'], capture_output=True)
    check(download(page, 'Descargar figura', os.path.join(downloads, 'triangulo.svg')) == open(native_svg, 'rb').read(),
          'Descargar figura differs from sorvani-calc --svg')
    page.open('hoja.html')
    sent = ('return performance.getEntriesByType("resource").filter((e) => '
            '["fetch", "xmlhttprequest", "beacon"].includes(e.initiatorType)).length')
    requests = page.d.execute_script(sent)
    page.axe(axe, 'empty worksheet page')
    # As a Spanish spreadsheet saves it, then with commas and decimal points.
    for name, separator, decimals, title in (('deberes', ';', '4', ''), ('deberes', ';', '2', f'Repaso {HOSTILE}'),
                                             ('coma', ',', '3', 'Repaso')):
        sheet = os.path.join(downloads, name + '.csv')
        with open(sheet, 'w', encoding='utf-8') as f:
            f.write(rows if separator == ';' else rows.replace(',', '.').replace(';', ','))
        page.box('Decimales').clear()
        page.box('Decimales').send_keys(decimals)
        page.box('Título').clear()
        page.box('Título').send_keys(title)
        page.d.execute_script('arguments[0].value = arguments[1]; arguments[0].dispatchEvent(new Event("change"))',
                              page.box('Separador'), separator)
        page.box('Hoja de ejercicios (CSV)').send_keys(sheet)
        page.wait(lambda: page.status().startswith(name + ':'))
        common = ['--separador', separator, '--decimales', decimals]
        answers = subprocess.run([args.calc, *common, '--lote', sheet], capture_output=True)
        key, problems, moodle, gift = (os.path.join(downloads, 'native-' + n)
                                       for n in ('key.html', 'sheet.html', 'moodle.xml', 'gift.txt'))
        files = subprocess.run([args.calc, *common, *(['--titulo', title] if title else []), '--lote', sheet,
                                '--informe', key, '--enunciado', problems, '--moodle', moodle, '--gift', gift],
                               capture_output=True)
        # Every line the command writes with all its files, the row left out of Moodle's too.
        items = page.d.execute_script('return [...document.querySelectorAll("#problemas li")].map((l) => l.textContent)')
        native = [line.removeprefix('sorvani-calc: ') for line in files.stderr.decode().splitlines()]
        check(items == native and any('Moodle' in i for i in items), f'{name}: problems {items}, native {files.stderr!r}')
        answered = answers.stdout.count(b'\n') - 1
        check(f' {answered} de 9 ' in page.status(), f'{name}: summary {page.status()!r}, {answered} answered')
        check(page.d.execute_script('return document.querySelectorAll("main img").length') == 0,
              'worksheet text became markup')
        for button, saved, want in (('Descargar respuestas (CSV)', 'resuelta.csv', answers.stdout),
                                    ('Descargar solucionario', 'solucionario.html', open(key, 'rb').read()),
                                    ('Descargar enunciado', 'enunciado.html', open(problems, 'rb').read()),
                                    ('Descargar para Moodle (XML)', 'moodle.xml', open(moodle, 'rb').read()),
                                    ('Descargar para Moodle (GIFT)', 'gift.txt', open(gift, 'rb').read())):
            check(download(page, button, os.path.join(downloads, f'{name}-{saved}')) == want,
                  f'{name}-{saved} ({separator}, {decimals} decimals) differs')
    page.axe(axe, 'worksheet answered')
    # Nothing leaves the device: answering and saving made no request.
    check(page.d.execute_script(sent) == requests, 'the worksheet page made requests')
    # A sheet dropped on the page (still with ",").
    page.d.execute_script('''const sheet = new DataTransfer();
        sheet.items.add(new File(['tres-lados,3,4,5\\n'], 'soltada.csv'));
        document.querySelector('main').dispatchEvent(new DragEvent('drop', { dataTransfer: sheet, bubbles: true }));''')
    page.wait(lambda: page.status().startswith('soltada: 1 de 1 '))


def test_generate(page, args, axe, downloads):
    page.open('hoja.html')
    made = {'Descargar ejercicios.csv': 'ejercicios.csv',
            'Descargar ejercicios-solucionario.html': 'ejercicios-solucionario.html',
            'Descargar ejercicios-enunciado.html': 'ejercicios-enunciado.html',
            'Descargar para Moodle (XML)': 'ejercicios-moodle.xml', 'Descargar para Moodle (GIFT)': 'ejercicios-gift.txt'}
    # A wrong use: the command's message, nothing to save.
    page.box('Cantidad').clear()
    page.box('Cantidad').send_keys('0')
    page.button('Generar').click()
    status = lambda: page.d.find_element('id', 'generada').get_property('textContent')
    check(status() == 'la cantidad de problemas va de 1 a 10000, no «0»', f'wrong use: {status()!r}')
    check(all(not page.button(b, '.generar').is_enabled() for b in made), 'a wrong use left something to save')
    page.d.execute_script('for (const b of document.querySelectorAll("input[name=casos]")) b.click()')
    check(not page.button('Generar').is_enabled(), 'Generar with no case ticked')
    for separator, decimals, title, count, versions, seed, cases in (
            (';', '4', '', '10', '1', '2026', ['LLL', 'LAL', 'ALA', 'LAA', 'LLA']),
            (',', '2', f'Examen {HOSTILE}', '12', '3', '18446744073709551615', ['LAL', 'LLA'])):
        for name, text in (('Decimales', decimals), ('Título', title), ('Cantidad', count), ('Versiones', versions),
                           ('Semilla', seed)):
            page.box(name).clear()
            page.box(name).send_keys(text)
        page.d.execute_script('arguments[0].value = arguments[1]; arguments[0].dispatchEvent(new Event("change"))',
                              page.box('Separador'), separator)
        page.d.execute_script('for (const b of document.querySelectorAll("input[name=casos]"))'
                              '  if (b.checked !== arguments[0].includes(b.value)) b.click()', cases)
        page.button('Generar').click()
        page.wait(lambda: status() == f'Hoja generada con la semilla {seed}.')
        # Answered at once by the worksheet part.
        page.wait(lambda: page.status().startswith('ejercicios: '))
        files = [os.path.join(downloads, 'native-' + n) for n in ('key.html', 'sheet.html', 'moodle.xml', 'gift.txt')]
        run = subprocess.run([args.calc, '--semilla', seed, '--casos', ','.join(cases), '--versiones', versions,
                              '--separador', separator, '--decimales', decimals,
                              *(['--titulo', title] if title else []), '--informe', files[0], '--enunciado', files[1],
                              '--moodle', files[2], '--gift', files[3], 'generar', count], capture_output=True)
        wanted = [run.stdout] + [open(f, 'rb').read() for f in files]
        for (button, name), want in zip(made.items(), wanted):
            saved = os.path.join(downloads, name)
            check(download(page, button, saved, '.generar') == want, f'{saved} ({separator}, seed {seed}) differs')
    check(page.d.execute_script('return document.querySelectorAll("main img").length') == 0, 'a title became markup')
    page.axe(axe, 'sheet generated')
    # No seed: one is drawn, shown, and gives the same sheet again.
    page.box('Semilla').clear()
    page.button('Generar').click()
    drawn = page.value('Semilla')
    check(re.fullmatch(r'\d+', drawn) and int(drawn) < 2 ** 64, f'drawn seed {drawn!r}')
    first = download(page, 'Descargar ejercicios.csv', os.path.join(downloads, 'ejercicios.csv'))
    page.button('Generar').click()
    check(download(page, 'Descargar ejercicios.csv', os.path.join(downloads, 'ejercicios.csv')) == first,
          'the shown seed gave another sheet')


PRACTICE = 'semilla=2026&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2'
practised = {}  # what test_practice left, for test_offline to find again
SUMMARY = '[...document.querySelectorAll("tbody tr")].map((r) => [...r.cells].map((c) => c.textContent))'


def accessible(page):
    """The browser's own accessibility tree: name -> (role, description, invalid)."""
    found = {}
    for node in page.d.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']:
        props = {p['name']: p['value'].get('value') for p in node.get('properties', [])}
        found.setdefault(node.get('name', {}).get('value'), (node.get('role', {}).get('value'),
                         node.get('description', {}).get('value', ''), props.get('invalid') == 'true'))
    return found


def student_answer(label, values, turn):
    """As a student types it: a point or a comma, an angle also in degrees, minutes and seconds."""
    decimal, dms = values[label]
    d, m, s = re.findall(r'[\d.]+', dms) if dms else ('', '', '')
    forms = ([decimal.rstrip('°'), f'{d}°{m}′{s}″', f'{d} {m} {s}', decimal.rstrip('°').replace('.', ','), f'{d}:{m}:{s}']
             if label.startswith('Ángulo') else [decimal, decimal.replace('.', ',')])
    return forms[turn % len(forms)]


def test_practice(page, args, axe):
    """A student on a phone: a kept practice that no longer reads, a new one, then a teacher's link."""
    from selenium.webdriver.common.keys import Keys
    phone(page.d)
    run = lambda script, *a: page.d.execute_script('return ' + script, *a)
    heading = lambda: run('[...document.querySelectorAll("main h2")].find((h) => h.offsetParent).textContent')
    say = lambda name: run('document.querySelector(`[role=status][aria-label="${arguments[0]}"]`).textContent', name)
    focused = lambda: run('document.activeElement.textContent.trim()')
    asked_boxes = lambda: run('[...document.querySelectorAll(".casilla:not([hidden]) label")].map((l) => l.textContent)')
    press = lambda name: page.button(name).click()

    def answer(name, text):
        page.box(name).send_keys(Keys.CONTROL, 'a', Keys.NULL, Keys.BACKSPACE, *([text] if text else []))

    # A kept practice cut short: kept apart, said so, and a working page.
    page.open('practica.html')
    broken = '{"formato":"sorvani-practica 1","practicas":[{"direccion":"semilla=1&casos=L'
    run('localStorage.setItem("sorvani-practica", arguments[0])', broken)
    page.open('practica.html')
    press('Comprobar')
    check(page.d.find_element('id', 'aviso').text.startswith('La práctica guardada no se pudo leer')
          and run('localStorage.getItem("sorvani-practica-apartada")') == broken
          and heading() == 'Problema 1 de 10' and ' de ' in say('Corrección'), 'broken store: no message or no page')
    # Nueva práctica: the cases ticked, an empty seed drawn; a choice that does not read is said.
    run('[...document.querySelectorAll("input[name=casos]")].forEach((b, i) => b.checked !== (i === 3) && b.click())')
    answer('Problemas', '0')
    press('Nueva práctica')
    check('«0»' in page.d.find_element('id', 'mensaje').text, 'Problemas 0 not refused')
    answer('Problemas', '3')
    answer('Semilla', '')
    press('Nueva práctica')
    address = f'semilla={page.value("Semilla")}&casos=LAA&problemas=3&decimales=2'
    check(page.d.current_url.endswith('#' + address) and focused() == 'Problema 1 de 3', f'new practice {address!r}')

    # The teacher's link, pasted into the page: the first five problems, one of each case.
    page.d.get(page.site.url + 'practica.html#' + PRACTICE)
    page.wait(lambda: heading() == 'Problema 1 de 10')
    page.axe(axe, 'practice, new')
    fits_phone(page, 'practice, new')
    rows = [line.split(';')[1:] for line in native(args.calc, '--semilla', '2026', '--casos', 'LLL,LAL,ALA,LAA,LLA',
                                                   'generar', '10').stdout.splitlines()]
    results, swapped = [], False
    for k, data in enumerate(rows):
        given = dict(pair.split('=') for pair in data)
        typed = [given.get(part) for part in PARTS]
        expected = native_view(args.calc, typed, 2, steps=True)
        case = expected['status'][:3]
        if k >= 5:
            results.append([str(k + 1), case, 'sin resolver'])
            continue
        where = f'problem {k + 1} ({";".join(data)})'
        shown = run('[...document.querySelectorAll("[aria-label=Datos] li")].map((l) => l.textContent)')
        asked = [n for n, t in zip(NAMES, typed) if t is None] + ['Área']
        check(heading() == f'Problema {k + 1} de 10' and asked_boxes() == asked
              and shown == [f'{p} = {v}' + '°' * (p in 'ABC') for p, v in given.items()], f'{where}: shows {shown}')
        values = [t['values'] for t in expected['triangles']]
        if k == 0:
            # A diagnosis, an unreadable answer, a right one and none: as text, description and aria-invalid.
            radians = math.radians(float(values[0][asked[0]][0].rstrip('°')))
            for name, text in zip(asked, (f'{radians:.2f}', HOSTILE, student_answer(asked[2], values[0], 1), '')):
                answer(name, text)
            press('Comprobar')
            tree = accessible(page)
            for name, mark, invalid in zip(asked, ('radianes', 'No se puede leer', 'Correcto', 'Sin respuesta'),
                                           (True, True, False, False)):
                seen = page.box(name).find_element('xpath', '..').find_element('class name', 'marca').text
                check(mark in seen and tree[name][1:] == (seen, invalid), f'{where}: {name} {seen!r} {tree[name]}')
            check(say('Corrección') == '1 de 4 correctas' and focused() == 'Comprobar', f'{where}: {say("Corrección")}')
            check(run('document.querySelectorAll("main img").length') == 0, 'typed markup became an element')
            check(tree.get(run('croquis.getAttribute("aria-label")'), ('',))[0] == 'image', 'the sketch is no image')
            page.axe(axe, 'practice, marked')
            fits_phone(page, 'practice, marked')
        if k == 1:
            # Each hint the next step of the working, word for word; then the solution as sorvani-calc prints it.
            steps = re.split(r'\n(?=\d+\. )', expected['triangles'][0]['pasos'])
            for n in range(1, len(steps) + 1):
                press('Pista')
                hints = run('[...document.querySelectorAll("#pistas pre")].map((p) => p.textContent.trimEnd())')
                check(hints == steps[:n], f'{where}: hints {hints}, working {steps[:n]}')
            check(not page.button('Pista').is_enabled() and accessible(page)['Pistas'][0] == 'region', 'Pistas')
            page.axe(axe, 'practice, hints')
            fits_phone(page, 'practice, hints')
            press('Ver solución')
            check(run('solucion.textContent') == native(args.calc, '--decimales', '2', 'resolver', *data).stdout,
                  f'{where}: solution {run("solucion.textContent")!r}')
        if k == 3:
            # A typed answer outlives a reload; from here on the page asks nothing of the server.
            answer(asked[0], student_answer(asked[0], values[0], k))
            page.open('practica.html')
            check(page.value(asked[0]) == student_answer(asked[0], values[0], k), f'{where}: lost on reloading')
            sent = ('performance.getEntriesByType("resource").filter((e) => '
                    '["fetch", "xmlhttprequest", "beacon"].includes(e.initiatorType)).length')
            requests = run(sent)
        if len(values) == 2:
            # Two triangles, given in the other order.
            page.choose('Dos')
            values.reverse()
            swapped = True
        for i, name in enumerate(asked_boxes()):
            answer(name, student_answer(name.removesuffix(' (2)'), values[i // len(asked)], i + k))
        press('Comprobar')
        right = 4 * len(values) + (case == 'LLA')
        check(say('Corrección') == f'Todo correcto: {right} de {right} correctas', f'{where}: {say("Corrección")!r}')
        results.append([str(k + 1), case, ['corregido', 'sin resolver'][k] if k < 2 else 'a la primera'])
        press('Siguiente')
        check(focused() == f'Problema {k + 2} de 10', f'{where}: Siguiente left the focus on {focused()!r}')
    check([r[1] for r in results[:5]] == ['LLL', 'LAL', 'ALA', 'LAA', 'LLA'] and swapped,
          f'the first five problems are not one of each case with two triangles: {results}')
    check(re.search('Racha: 3.*A la primera: 3 de 10', say('Progreso')), f'progress {say("Progreso")!r}')
    while heading() != 'Resumen':
        press('Siguiente')
    check(focused() == 'Resumen' and run('[...document.querySelectorAll("th")].map((c) => c.textContent)')
          == ['Problema', 'Caso', 'Resultado'] and run(SUMMARY) == results, f'summary {run(SUMMARY)}')
    page.axe(axe, 'practice, summary')
    fits_phone(page, 'practice, summary')
    run('navigator.clipboard.writeText = async (t) => { window.copied = t; }')
    press('Copiar resumen')
    copied, totals = run('[window.copied, totales.textContent]')
    check(f'Enlace: {page.site.url}practica.html#{PRACTICE}\n' in copied and totals in copied
          and all('\t'.join(r) + '\n' in copied for r in results), f'Copiar resumen gave {copied!r}')
    check(run(sent) == requests, 'the practice made requests')
    practised.update(results=results, totals=totals)
    phone(page.d, False)


def test_offline(page, args, site):
    page.open('index.html')
    page.d.execute_async_script('navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1]())')
    names, kept = page.d.execute_async_script('''const done = arguments[arguments.length - 1];
        caches.keys().then((names) => caches.open(names[0]).then((cache) => cache.keys())
          .then((requests) => done([names, requests.map((r) => new URL(r.url).pathname.slice(1))])))''')
    # One cache, named by the build after the site's contents.
    check(len(names) == 1 and re.fullmatch(r'sorvani-web-[0-9a-f]{16}', names[0]), f'the worker\'s caches: {names}')
    site_files = {os.path.relpath(os.path.join(d, f), args.site) for d, _, fs in os.walk(args.site) for f in fs}
    # The worker's own script the browser keeps apart.
    check(site_files - {'sw.js'} <= set(kept), f'the worker does not keep {sorted(site_files - set(kept))}')
    errors = page.d.execute_cdp_cmd('Page.getInstallabilityErrors', {})
    check(not errors.get('installabilityErrors'), f'installability: {errors}')
    # Without the browser's own cache only the worker can bring the pages back.
    page.d.execute_cdp_cmd('Network.enable', {})
    page.d.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
    site.stop()
    page.open('index.html#a=3&b=4&c=5')
    check(page.value('Ángulo C') == '90° 0′ 0″', 'offline: not solved')
    page.open('hoja.html')
    with tempfile.NamedTemporaryFile('w', suffix='.csv') as sheet:
        sheet.write('tres-lados;3;4;5\n')
        sheet.flush()
        page.box('Hoja de ejercicios (CSV)').send_keys(sheet.name)
        page.wait(lambda: ': 1 de 1 ' in page.status())
    # The practice where the student left it: the last one, and by its link.
    for path in ('practica.html', 'practica.html#' + PRACTICE):
        page.open(path)
        check(page.d.execute_script('return ' + SUMMARY) == practised.get('results') and
              page.d.find_element('id', 'totales').text == practised.get('totals'), f'offline {path}: not kept')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--site', required=True)
    parser.add_argument('--calc', required=True)
    parser.add_argument('--cases', required=True)
    parser.add_argument('--npm', help='folder with package.json and package-lock.json for axe-core')
    args = parser.parse_args()
    if missing() or not shutil.which('pdftotext'):
        skip(missing() or 'pdftotext (poppler-utils) is missing')
    if not os.path.exists(os.path.join(args.site, 'sorvani.wasm')):
        skip(f'the site is not built in {args.site} (scripts/web.sh --build)')
    axe = None
    if args.npm:
        script = os.path.join(args.npm, 'node_modules', 'axe-core', 'axe.min.js')
        # Installed again when the pinned version changes.
        pinned, installed = (os.path.join(args.npm, *path) for path in (
            ['package-lock.json'], ['node_modules', 'axe-core', 'package.json']))
        version = json.load(open(pinned))['packages']['node_modules/axe-core']['version']
        if not os.path.exists(installed) or json.load(open(installed))['version'] != version:
            subprocess.run(['npm', 'ci', '--no-audit', '--no-fund'], cwd=args.npm, check=True)
        axe = open(script, encoding='utf-8').read()

    site = Site(args.site)
    driver = chromium()
    page = Page(driver, site)
    downloads = tempfile.mkdtemp()
    try:
        for test in (lambda: test_general_cases(page, args, axe), lambda: test_lock_and_unreadable(page, args, axe),
                     lambda: test_link(page, args, axe), lambda: test_phone_and_print(page, args, axe),
                     lambda: test_worksheet(page, args, axe, downloads),
                     lambda: test_generate(page, args, axe, downloads), lambda: test_practice(page, args, axe),
                     lambda: test_offline(page, args, site)):
            started = time.monotonic()
            try:
                test()
            except Exception as error:  # a page that never got ready: the other checks still run
                check(False, f'{test.__code__.co_names[0]}: {error!r}')
            print(f'{test.__code__.co_names[0]}: {time.monotonic() - started:.1f} s', flush=True)
        logs = [e for e in driver.get_log('browser') if e['level'] == 'SEVERE' and 'ERR_CONNECTION_REFUSED' not in e['message']]
        check(not logs, f'browser console errors: {logs}')
    finally:
        driver.quit()
        shutil.rmtree(downloads, ignore_errors=True)
    print(f'{len(failures)} failures' if failures else 'all passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
