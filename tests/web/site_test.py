# SPDX-License-Identifier: MIT
"""The page's site folder served on 127.0.0.1, in headless Chromium: installable, offline after
one visit, replaced by a changed copy; and the single file painting before its engine starts.
Arguments: the source folder, a folder to build the page in, the built musterwright-cli. Ends
with status 77 (skipped), saying why, where a tool is missing."""
import functools
import gzip
import http.server
import importlib.util
import pathlib
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

from chromium import page_value, start_chromium, wait_until

SOURCE, PAGE_BUILD, CLI = (pathlib.Path(arg) for arg in sys.argv[1:4])
SITE = PAGE_BUILD / "site"
TABLES = SOURCE / "data" / "Tables.dat"
LINK = "#house=Davion&size=Company&vehicles=1&seed=3&r=2,1.4"


def missing_tools():
    tools = [name for name in ("emcmake", "rsvg-convert", "pngquant", "chromium", "chromedriver")
             if not shutil.which(name)]
    return tools + ["python3-selenium"] * (importlib.util.find_spec("selenium") is None)


def cli_listing(tables=TABLES):
    args = ["--faction", "Davion", "--size", "Company", "--vehicles", "--seed", "3", "--reroll",
            "2,1.4", "--tables", tables]
    return subprocess.run([CLI, *args], capture_output=True, text=True, check=True).stdout


class Server(http.server.ThreadingHTTPServer):
    """Serves `folder` on 127.0.0.1 (on `port`, or a free one) within a `with` block."""

    def __init__(self, folder, port=0):
        quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,),
                     {"log_message": lambda *args: None})
        super().__init__(("127.0.0.1", port), functools.partial(quiet, directory=str(folder)))
        self.url = f"http://127.0.0.1:{self.server_port}/"
        threading.Thread(target=self.serve_forever, daemon=True).start()

    def __exit__(self, *error):
        self.shutdown()
        super().__exit__(*error)


class Site(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = pathlib.Path(tempfile.mkdtemp())
        cls.driver = start_chromium(cls.folder)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.folder)

    def value(self, element_id, attribute="value"):
        return page_value(self.driver, element_id, attribute)

    def until(self, condition, what):
        """Waits for the page's `condition`, a JavaScript expression or a promise of one."""
        script = f"Promise.resolve({condition}).then(arguments[0])"
        if wait_until(lambda: self.driver.execute_async_script(script)):
            return
        self.fail(f"{what} did not happen: {self.value('Message', 'textContent')}")

    def open(self, url):
        self.driver.get("about:blank")
        self.driver.get(url)
        self.until("!document.getElementById('GButton').disabled", f"{url} starting")

    def copy_of_site(self, name, changes={}):
        """A copy of the site with `changes` (file: bytes), its sw.js written as the build does."""
        copy = self.folder / name
        shutil.copytree(SITE, copy)
        for file, content in changes.items():
            (copy / file).write_bytes(content)
        subprocess.run(["cmake", f"-DSITE={copy}", f"-DWORKER={SOURCE}/web/service_worker.js",
                        "-P", SOURCE / "web/site_worker.cmake"], check=True)
        return copy

    def test_the_site_installs_and_works_offline_and_a_changed_site_replaces_its_cache(self):
        with Server(self.copy_of_site("first")) as server:
            self.open(server.url)
            self.until("navigator.serviceWorker.controller !== null", "control")
            errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
            self.assertEqual(errors["installabilityErrors"], [])
            [first_cache] = self.driver.execute_async_script("caches.keys().then(arguments[0])")
        for url in (server.url, server.url + "index.html" + LINK):
            with self.subTest(f"offline: {url}"):
                self.open(url)
        self.assertEqual(self.value("MechBox") + "\n", cli_listing())

        design = cli_listing().splitlines()[6].split(" P: ")[0].encode()
        (self.folder / "changed.dat").write_bytes(TABLES.read_bytes().replace(design, design[::-1]))
        changed = {"Tables.dat": (self.folder / "changed.dat").read_bytes()}
        with Server(self.copy_of_site("changed", changed), server.server_port) as server:
            self.open(server.url)
            self.until(f"caches.keys().then((names) => names.length === 1 && "
                       f"names[0] !== {first_cache!r})", "the old cache's replacement")
        self.open(server.url + LINK)
        self.assertEqual(self.value("MechBox") + "\n", cli_listing(self.folder / "changed.dat"))

    def test_a_file_that_cannot_be_fetched_is_reported(self):
        for missing, message in (("musterwright.js", "engine could not be loaded"),
                                 ("Tables.dat", "Tables.dat, could not be loaded (404"),
                                 ("musterwright.wasm", "The engine could not be loaded")):
            with self.subTest(missing):
                copy = self.copy_of_site("without " + missing)
                (copy / missing).unlink()
                with Server(copy) as server:
                    self.driver.get(server.url)
                    self.until("document.getElementById('Message').textContent"
                               f".includes({message!r})", "the report")
                    self.assertEqual(self.value("GButton", "disabled"), "true")

    def test_the_panels_fetched_after_generate_is_enabled_work_or_say_why_not(self):
        with Server(self.copy_of_site("panels")) as server:
            self.open(server.url)
            self.driver.execute_script("document.getElementById('OpenCollection').click()")
            self.until("document.querySelectorAll('#CollectionDesigns tbody tr').length > 0",
                       "the collection's rows")
        copy = self.copy_of_site("without a panel")
        (copy / "design_panel.js").unlink()
        with Server(copy) as server:
            self.open(server.url)
            self.until("document.getElementById('Message').textContent"
                       ".includes('design_panel.js could not be fetched')", "the report")

    def test_the_seeded_listings_come_out_of_the_site(self):
        """Every seeded case, a budget's drawn by the site's search worker; a band of both points
        and tons is the command line's alone, as the budget box holds one."""
        cases = (SOURCE / "tests/roster/seeded_listings.txt").read_text().split("\n@@ ")[1:]
        with Server(SITE) as server:
            self.open(server.url)
            for case in cases:
                header, listing = case.split("\n", 1)
                parts = header.split("; ")
                rerolls = parts.pop().split()[1] if parts[-1].startswith("reroll ") else ""
                budgets = [part.split() for part in parts if part.split()[0] in ("points", "tons")]
                if len(budgets) > 1:
                    continue
                *words, vehicles, seed = parts[:len(parts) - len(budgets)]
                unit, band = budgets[0] if budgets else ("points", "")
                with self.subTest(header):
                    self.driver.execute_script(
                        "const [words, vehicles, seed, unit, band, rerolls] = arguments;"
                        "['HouseBox', 'SizeBox', 'WeightBox', 'ExperienceBox'].forEach("
                        "  (id, k) => document.getElementById(id).value = words[k]);"
                        "document.getElementById('Vehicle').checked = vehicles;"
                        "document.getElementById('SeedBox').value = seed;"
                        "document.getElementById('BudgetUnit').value = unit;"
                        "document.getElementById('BudgetText').value = band;"
                        "if (!rerolls) { document.getElementById('GButton').click(); return; }"
                        "location.hash = new URLSearchParams({house: words[0], size: words[1],"
                        "  weight: words[2], experience: words[3], vehicles: vehicles ? 1 : 0,"
                        "  seed, r: rerolls, ...(band ? {[unit]: band} : {})})",
                        words, vehicles == "vehicles", seed.split()[1], unit, band, rerolls)
                    if rerolls:
                        self.until("document.getElementById('SeedLabel').value"
                                   ".includes('re-rolled')", "the re-rolls")
                    self.until("!document.getElementById('Roster').hasAttribute('aria-busy')",
                               "the search")
                    self.assertEqual(self.value("MechBox"), listing.rstrip("\n"))

    def test_a_first_visit_fetches_at_most_180000_bytes_gzipped_before_generate(self):
        """The files the page asks for before Generate is enabled and the search worker's script
        (which the page starts with the force's script, after it), each as gzip sends it; the
        service worker's copies of the files, made for the next visit, are not counted."""
        with Server(self.copy_of_site("first visit")) as server:
            self.open(server.url)
            names = self.driver.execute_async_script(
                "const done = arguments[0];"
                "const ready = performance.getEntriesByName('page ready')[0].startTime;"
                "const files = performance.getEntriesByType('resource')"
                "    .filter((file) => file.startTime <= ready).map((file) => file.name);"
                "setTimeout(() => done([location.href, ...files]), 500)")
        files = {name.split("?")[0].split("/")[-1] or "index.html" for name in names}
        self.assertIn("musterwright.wasm", files)
        self.assertFalse({"Designs.csv", "Skills.csv", "force_view.js", "collection_panel.js",
                          "design_panel.js", "search_worker.js", "panels.css"} & files)
        files.add("search_worker.js")
        sizes = {file: len(gzip.compress((SITE / file).read_bytes(), 9, mtime=0)) for file in files}
        print(f"site: {sum(sizes.values())} B gzipped fetched before Generate is enabled: {sizes}")
        self.assertLessEqual(sum(sizes.values()), 180_000)

    def test_the_site_and_the_single_file_keep_to_their_sizes(self):
        files = [file for file in SITE.rglob("*") if file.is_file()]
        gzipped = sum(len(gzip.compress(file.read_bytes(), 9, mtime=0)) for file in files)
        single = (PAGE_BUILD / "musterwright.html").stat().st_size
        print(f"site: {gzipped} B gzipped in {len(files)} files; single file: {single} B")
        # The bounds hold the page as it is, budgets, laid-out tables (laid out by the engine's
        # one layout, over a base kept with them) and the search worker with the engine's searches
        # handed over included, with a little room: a change that grows it past them must say why
        # and move them. Refusing a band no force reaches before any try (the reachable totals
        # listed in the engine) took 6 kB gzipped, 16 kB of the single file; crew skill in the
        # totals and budgets (the skill table, its reader and a third number in every budget's
        # count) 10 kB gzipped, 35 kB of the single file; the opposing force (its band, its draw
        # and the pair in the model) 3 kB gzipped, 9 kB of the single file, less the 1.4 kB
        # gzipped that the engine's type names and a last pass of the optimiser gave back.
        # The styles fetched with the panels, a file of their own, add 0.5 kB of gzip's framing;
        # the pair's listing and totals in the model, which the window shows, 0.6 kB gzipped,
        # 2 kB of the single file.
        self.assertLessEqual(gzipped, 212_000, "the site's files gzipped, in all")
        self.assertLessEqual(single, 629_500, "the single file")

    def test_the_single_file_paints_before_its_engine_starts_on_a_slow_processor(self):
        self.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        self.open((PAGE_BUILD / "musterwright.html").as_uri() + LINK)
        paint, start, force = self.driver.execute_script(
            "return ['first-contentful-paint', 'engine start', 'first force'].map("
            "  (name) => performance.getEntriesByName(name)[0].startTime)")
        print(f"single file, processor 4x slower: form painted at {paint:.0f} ms, engine "
              f"started at {start:.0f} ms, first force from the link at {force:.0f} ms")
        self.assertLess(paint, start)
        self.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})


if __name__ == "__main__":
    if missing_tools():
        print("skipped: the site's tests need " + ", ".join(missing_tools()))
        sys.exit(77)
    subprocess.run(["bash", SOURCE / "scripts/build-web.sh", PAGE_BUILD], check=True)
    sys.exit(not unittest.main(argv=sys.argv[:1], exit=False).result.wasSuccessful())
