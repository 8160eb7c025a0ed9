#!/usr/bin/python3
"""The web app's size and speed in headless Chromium, against the goals:

  size      every file of the site (the worker keeps them all on the first visit), gzip -9: ≤ 250 KB
  link      opening index.html#a=4&c=5&A=40 in a running browser until the page is solved,
            on a first visit (nothing cached) and a later one: < 300 ms
  keystroke one input event in a solved page, its handler's own work, with
            boxes, status and working updated when it returns: median < 2 ms
  worksheet 1,000 rows answered, with answer key and problem sheet: < 1 s
  practice  a practice link (practica.html#semilla=…) until its first problem is shown,
            first and later visit: < 300 ms; "Comprobar", its click handler's own work
            (marking, the view, the store kept) with every mark shown when it returns: median < 2 ms

    bench/web.py [SITE]     (SITE: build-web/site by default; scripts/web.sh --build makes it)
"""

import gzip
import os
import statistics
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
from browser import Site, chromium, missing  # noqa: E402

RUNS = 7
# As bench/calc_worksheet.sh mixes them: each case, refusals, failures,
# decimal commas, two triangles, none, three angles.
ROWS = ['tres-lados;3;4;5', 'dos-angulos;20;30;0;40;15;30;12,5', 'dos-lados;45;30;15;10;7', 'tres-lados;1;2;3',
        'dos-angulos;90;0;0;90;0;0;5', 'resolver;a=3;b=4;c=5', 'resolver;c=12,5;A=20°30′;B=40°15′30″',
        'resolver;a=4;c=5;A=40', 'resolver;a=3;c=5;A=40', 'resolver;A=60;B=60;C=60']


def size(site):
    total = 0
    for folder, _, files in os.walk(site):
        for name in files:
            with open(os.path.join(folder, name), 'rb') as f:
                packed = len(gzip.compress(f.read(), 9))
            print(f'  {os.path.relpath(os.path.join(folder, name), site):28} {packed / 1024:7.1f} KB')
            total += packed
    return total / 1024


def ready(driver):
    """Milliseconds from the start of navigation to the page's mark of being ready and solved."""
    for _ in range(500):
        mark = driver.execute_script('return performance.getEntriesByName("sorvani-listo")[0]?.startTime')
        if mark is not None:
            return mark
        time.sleep(0.01)
    raise TimeoutError('the page did not get ready')


PRACTICE = 'practica.html#semilla=2026&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2'


def link(site, driver, path='index.html#a=4&c=5&A=40', shown='return document.getElementById("p1").value'):
    """A first visit (no cache, no worker, no stored practice, the browser already running) and a later one."""
    first, later = [], []
    url = site.url + path
    for _ in range(RUNS):
        driver.execute_cdp_cmd('Storage.clearDataForOrigin', {'origin': site.url.rstrip('/'), 'storageTypes': 'all'})
        driver.execute_cdp_cmd('Network.clearBrowserCache', {})
        driver.get('about:blank')
        driver.get(url)
        first.append(ready(driver))
        assert driver.execute_script(shown) != ''
        driver.execute_async_script('navigator.serviceWorker.ready.then(arguments[arguments.length - 1])')
        driver.get('about:blank')
        driver.get(url)
        later.append(ready(driver))
    return statistics.median(first), statistics.median(later)


KEYSTROKES = '''
const box = document.getElementById('p0'), area = document.getElementById('r-area');
const times = [];
for (let i = 0; i < 1000; ++i) {
  const before = area.value;
  box.value = i % 2 ? '4' : '4.5';
  const start = performance.now();
  box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
  times.push(performance.now() - start);
  // Nothing left for later: the boxes are updated when the event returns.
  if (area.value === before) throw new Error('not updated within the input event');
}
times.sort((x, y) => x - y);
return [times[times.length >> 1], times[Math.floor(times.length * 0.95)]];
'''


def keystroke(site, driver):
    driver.get(site.url + 'index.html#a=4&c=5&A=40')
    ready(driver)
    return driver.execute_script(KEYSTROKES)


CHECKS = '''
const box = document.getElementById('r0'), mark = document.getElementById('m0');
const button = document.getElementById('comprobar');
const times = [];
for (let i = 0; i < 1000; ++i) {
  box.value = i % 2 ? '5' : 'x';
  box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
  const start = performance.now();
  button.dispatchEvent(new MouseEvent('click', { bubbles: true }));
  times.push(performance.now() - start);
  // Marked when the event returns: an unreadable answer one way, a number the other.
  if ((mark.textContent === 'No se puede leer') !== (i % 2 === 0)) throw new Error('not marked within the click');
}
times.sort((x, y) => x - y);
return [times[times.length >> 1], times[Math.floor(times.length * 0.95)]];
'''


def check(site, driver):
    driver.get(site.url + PRACTICE)
    ready(driver)
    return driver.execute_script(CHECKS)


def worksheet(site, driver):
    with tempfile.NamedTemporaryFile('w', suffix='.csv', encoding='utf-8', delete=False) as f:
        f.write(''.join(ROWS[i % len(ROWS)] + '\n' for i in range(1000)))
    try:
        times = []
        for _ in range(RUNS):
            driver.get(site.url + 'hoja.html')
            ready(driver)
            driver.execute_script('''
                const summary = document.getElementById('resumen');
                document.getElementById('fichero').addEventListener('change', () => { window.started = performance.now(); }, true);
                new MutationObserver(() => { window.took = performance.now() - window.started; }).observe(summary, { childList: true });''')
            driver.find_element('id', 'fichero').send_keys(f.name)
            for _ in range(500):
                took = driver.execute_script('return window.took')
                if took is not None:
                    break
                time.sleep(0.01)
            assert ' de 1000 ' in driver.find_element('id', 'resumen').text
            times.append(took)
        return statistics.median(times)
    finally:
        os.remove(f.name)


def main():
    site_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build-web', 'site')
    if missing() or not os.path.exists(os.path.join(site_dir, 'sorvani.wasm')):
        sys.exit(missing() or f'no site in {site_dir}: scripts/web.sh --build')
    print('First visit, gzip -9:')
    total = size(site_dir)
    print(f'  total {total:.1f} KB (goal ≤ 250 KB)')
    site = Site(site_dir)
    driver = chromium()
    try:
        first, later = link(site, driver)
        print(f'Link to solved page, median of {RUNS}: first visit {first:.0f} ms, later visit {later:.0f} ms (goal < 300 ms)')
        median, p95 = keystroke(site, driver)
        print(f'Keystroke, input event to updated page, 1000 events: median {median:.3f} ms, 95th percentile {p95:.3f} ms (goal < 2 ms)')
        first, later = link(site, driver, PRACTICE, 'return document.getElementById("titulo").textContent')
        print(f'Practice link to its first problem, median of {RUNS}: first visit {first:.0f} ms, later visit {later:.0f} ms (goal < 300 ms)')
        median, p95 = check(site, driver)
        print(f'Comprobar, click to every mark shown, 1000 clicks: median {median:.3f} ms, 95th percentile {p95:.3f} ms (goal < 2 ms)')
        print(f'Worksheet of 1,000 rows with answer key and problem sheet, median of {RUNS}: {worksheet(site, driver):.0f} ms (goal < 1000 ms)')
    finally:
        driver.quit()
        site.stop()


if __name__ == '__main__':
    main()
