# SPDX-License-Identifier: MIT
"""Times the page in headless Chromium as a phone meets it (360 x 740, touch), with the CPU
slowed four times and unthrottled, and prints the median of 10 of each, with the machine's load:
a Clan Galaxy with vehicles from the tap on Generate to the painted roster, one slot's Roll
again to the painted row, the collection panel from the tap to its painted rows, and a tap on
the Text view answered while a rare band's search runs in the search worker. Each median comes
after three taps not timed, as a player meets the page once the browser has compiled what it
runs; the first Generate and the first opening of the panel in a visit (which asks the engine
for the designs) are timed once each as well, cold. Then the site folder beside the page,
served with gzip as scripts/serve-site.py serves it: the bytes a first visit fetches before
Generate is enabled, with the search worker's script (the service worker's own copies of the
files, made for the next visit, left out).
A figure, not a check: `python3 scripts/page-figures.py <build>/musterwright.html [site folder]`
(the folder "site" beside the page by default)."""
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile

from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests/web"))
from chromium import start_chromium  # noqa: E402

PAGE = pathlib.Path(sys.argv[1]).resolve().as_uri()
SITE = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else pathlib.Path(sys.argv[1]).parent / "site")
RUNS = 10
WARM_UP = 3
# Each measure: the script that taps and calls `painted` once the tap's work is on screen.
PAINTED = "requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));"
TAPS = {
    "Galaxy with vehicles, Generate": "document.getElementById('GButton').click();" + PAINTED,
    "one slot's Roll again": "document.querySelector('#Roster [data-action=\"2.3\"]').click();" +
                             PAINTED,
    "collection panel, open": "const panel = document.getElementById('CollectionPanel');"
                              "panel.addEventListener('toggle', () => {" + PAINTED + "},"
                              "{once: true}); panel.querySelector('summary').click();",
}
CLOSE_PANEL = "document.getElementById('CollectionPanel').open = false;"
# A band of about 1 Galaxy in 25,000, whose search runs for seconds.
RARE_SEARCH = ("document.getElementById('BudgetText').value = '150000';"
               "document.getElementById('SeedBox').value = '2';"
               "document.getElementById('GButton').click();")
TAP_WHILE_SEARCHING = "a tap on Text while a rare band's search runs"
# The bytes fetched by the page up to the mark it sets when it enables Generate: the page itself
# and each file it asked for before then; and the search worker's script, which the page starts
# with the force's script and whose fetch the page's timeline leaves out, fetched here once more.
FETCHED = """
const done = arguments[0];
const ready = () => performance.getEntriesByName('page ready').length > 0;
const count = async () => {
  const enabled = performance.getEntriesByName('page ready')[0].startTime;
  const files = [...performance.getEntriesByType('navigation'),
                 ...performance.getEntriesByType('resource')]
      .filter((file) => file.startTime <= enabled);
  const worker = new URL('search_worker.js', location.href).href;
  await (await fetch(worker, {cache: 'no-store'})).arrayBuffer();
  files.push(performance.getEntriesByName(worker).at(-1));
  done(files.map((file) => [file.name, file.encodedBodySize]));
};
const wait = () => ready() ? setTimeout(count, 1000) : setTimeout(wait, 50);
wait();"""
FIRST_OPEN = "collection panel, first open of the visit (one run)"
FIRST_GENERATE = "Galaxy with vehicles, first Generate of the visit (one run)"


def time_ms(driver, tap):
    return driver.execute_async_script(
        "const done = arguments[0]; const start = performance.now();" + tap)


def median_ms(driver, tap, after=""):
    times = []
    for _ in range(WARM_UP + RUNS):
        times.append(time_ms(driver, tap))
        driver.execute_script(after)
    return statistics.median(times[WARM_UP:])


with tempfile.TemporaryDirectory() as profile:
    driver = start_chromium(pathlib.Path(profile))
    try:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        figures = {}
        for rate in (4, 1):
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
            driver.get("about:blank")
            driver.get(PAGE)
            WebDriverWait(driver, 20).until(
                lambda driver: driver.find_element("id", "GButton").is_enabled())
            Select(driver.find_element("id", "HouseBox")).select_by_value("Wolf")
            Select(driver.find_element("id", "SizeBox")).select_by_value("Galaxy")
            driver.find_element("id", "Vehicle").click()
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": rate})
            figures[FIRST_GENERATE, rate] = time_ms(driver,
                                                    TAPS["Galaxy with vehicles, Generate"])
            figures[FIRST_OPEN, rate] = time_ms(driver, TAPS["collection panel, open"])
            driver.execute_script(CLOSE_PANEL)
            for name, tap in TAPS.items():
                figures[name, rate] = median_ms(driver, tap, CLOSE_PANEL)
            driver.execute_script(RARE_SEARCH)
            WebDriverWait(driver, 20).until(
                lambda driver: driver.find_element("id", "Searching").is_displayed())
            view = "document.getElementById('%s').click();"
            figures[TAP_WHILE_SEARCHING, rate] = median_ms(
                driver, view % "TextView" + PAINTED, view % "RosterView")
            driver.find_element("id", "CancelSearch").click()
            driver.execute_script("document.getElementById('BudgetText').value = ''")
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        server = subprocess.Popen([sys.executable, pathlib.Path(__file__).parent / "serve-site.py",
                                   SITE], stdout=subprocess.PIPE, text=True)
        try:
            driver.get(server.stdout.readline().strip())
            fetched = driver.execute_async_script(FETCHED)
        finally:
            server.terminate()
    finally:
        driver.quit()

load = ", ".join(f"{value:.2f}" for value in os.getloadavg())
print(f"page at 360 x 740, median of {RUNS} after {WARM_UP} not timed, CPU slowed 4x / "
      f"unthrottled (load average {load} on {os.cpu_count()} cores):")
for name in [*TAPS, FIRST_GENERATE, FIRST_OPEN, TAP_WHILE_SEARCHING]:
    print(f"  {name}: {figures[name, 4]:.0f} ms / {figures[name, 1]:.0f} ms")
print(f"site, first visit: {sum(size for _, size in fetched)} B fetched gzipped before Generate "
      "is enabled, in " + ", ".join(sorted(name.rsplit("/", 1)[1] or "index.html"
                                          for name, _ in fetched)))
