#!/usr/bin/python3
"""The README's pictures of the web app, in headless Chromium: the ambiguous
case at desktop size, and on a phone (360 × 640 CSS px) its first screen and
its figure; and for docs/web.md, the practice page on a phone with a problem
marked.   tests/web/screenshots.py [SITE] [DOCS]"""

import os
import sys
import time

from browser import Site, chromium, phone

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
site = Site(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build-web', 'site'))
docs = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, 'docs')
driver = chromium(1280, 860)
try:
    for name, on, scroll in (('web-desktop', False, None), ('web-phone', True, None), ('web-phone-figure', True, 'figura-t')):
        phone(driver, on)
        driver.get(site.url + 'index.html#a=4&c=5&A=40')
        while driver.execute_script('return !("listo" in document.documentElement.dataset)'):
            time.sleep(0.05)
        if scroll:
            driver.execute_script('document.getElementById(arguments[0]).scrollIntoView()', scroll)
        driver.save_screenshot(os.path.join(docs, name + '.png'))
    # A first problem answered, one angle in radians, and checked.
    phone(driver)
    driver.get(site.url + 'practica.html#semilla=2026&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2')
    driver.execute_script('localStorage.clear()')
    driver.refresh()
    while driver.execute_script('return !("listo" in document.documentElement.dataset)'):
        time.sleep(0.05)
    for box, text in (('r0', '1.36'), ('r1', '71 36 30.65'), ('r2', '30,27')):
        driver.find_element('id', box).send_keys(text)
    driver.find_element('id', 'comprobar').click()
    driver.execute_script('document.getElementById("titulo").scrollIntoView()')
    driver.save_screenshot(os.path.join(docs, 'web-practica.png'))
finally:
    driver.quit()
    site.stop()
