# SPDX-License-Identifier: MIT
"""Drives the browser page in headless Chromium as a player would: the seeded forces, share
links, the roster and its taps, undo and the browser's history, re-rolls, a thumb's control sizes,
a bad and a good table file of one's own, the saved file's bytes, the printed sheet, and no
network; axe-core and html-validate (web/node_modules) check the page where they are installed.
Arguments: the source folder, a folder to build the page in, the built musterwright-cli.
Ends with status 77 (skipped), saying why, where emscripten, Chromium or Selenium is missing."""
import contextlib
import http.server
import importlib.util
import os
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from chromium import after_paint, page_value, start_chromium, wait_until

SOURCE, PAGE_BUILD, CLI = (pathlib.Path(arg) for arg in sys.argv[1:4])
PAGE = PAGE_BUILD / "musterwright.html"
SHIPPED = (SOURCE / "data" / "Tables.dat").read_bytes()


# A Davion list with the columns that lay out tables, and points for a budget.
LAYOUT_LIST = "".join(f"{name},{tons},{points},{weight},mech,Davion,{rarity}\n" for name, tons,
                      points, weight, rarity in [
    ("Pike Runner", 25, 610, "Light", "common"), ("Lancer Wisp", 30, 700, "Light", "rare"),
    ("Vigil Scout", 20, 480, "Light", "common"), ("Brass Warden", 50, 1100, "Medium", "common"),
    ("Ember Marshal", 55, 1240, "Medium", "uncommon"), ("Crest Lancer", 45, 990, "Medium", "rare"),
    ("Rampart", 70, 1500, "Heavy", "common"), ("Solar Knight", 65, 1420, "Heavy", "uncommon"),
    ("Crown Bastion", 100, 2300, "Assault", "common"), ("Lionheart", 85, 1900, "Assault", "rare")])
LAYOUT_LIST = "design,tons,points,weight_class,kind,factions,rarity\n" + LAYOUT_LIST


def fnv1a64(data):
    """The checksum a link carries for a table file of one's own."""
    value = 0xCBF29CE484222325
    for byte in data:
        value = ((value ^ byte) * 0x100000001B3) % (1 << 64)
    return f"{value:016x}"


def missing_tools():
    tools = [name for name in ("emcmake", "chromium", "chromedriver") if not shutil.which(name)]
    if importlib.util.find_spec("selenium") is None:
        tools.append("python3-selenium")
    return tools


def seeded_cases():
    """(header, choices, vehicles, seed, budget, rerolls, listing) for each case of
    seeded_listings.txt; the budget is (unit, band) or None, the rerolls a list or ""."""
    cases = []
    skipped = False
    for line in (SOURCE / "tests/roster/seeded_listings.txt").read_text().splitlines():
        if line.startswith("@@ "):
            *words, vehicles, seed = line[3:].split("; ")
            rerolls = ""
            if seed.startswith("reroll "):
                rerolls = seed.split()[1]
                *words, vehicles, seed = words + [vehicles]
            budgets = []
            while seed.split()[0] in ("points", "tons"):
                budgets.insert(0, tuple(seed.split()))
                *words, vehicles, seed = words + [vehicles]
            # The budget box holds points or tons: a band of both is the command line's alone.
            skipped = len(budgets) > 1
            if not skipped:
                cases.append([line, words, vehicles == "vehicles", seed.split()[1],
                              budgets[0] if budgets else None, rerolls, ""])
        elif cases and not skipped:
            cases[-1][6] += line + "\n"
    return cases


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = pathlib.Path(tempfile.mkdtemp())
        cls.driver = start_chromium(cls.folder)
        cls.driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": str(cls.folder)})

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.folder)

    def value(self, element_id, attribute="value"):
        self.settled()
        return page_value(self.driver, element_id, attribute)

    def link(self):
        self.settled()
        return after_paint(self.driver, "return location.href")

    def settled(self):
        """Waits until no budget search runs: the search worker's answer is drawn."""
        if not wait_until(lambda: self.driver.execute_script(
                "return !document.getElementById('Roster').hasAttribute('aria-busy')")):
            self.fail("a budget search did not end")

    def open(self, url):
        self.driver.get("about:blank")
        self.driver.get(url)
        if wait_until(lambda: self.value("GButton", "disabled") is None):
            return
        self.fail(f"the page at {url} did not start: {self.value('Message', 'textContent')}")

    def generate(self, words, vehicles, seed, budget=None, settle=True):
        """Generates with the lists' `words`, the vehicles box, `seed` and `budget`, (unit, band)
        or None for an empty budget box; with `settle`, waits for a budget's search to end."""
        from selenium.webdriver.support.select import Select

        unit, band = budget or ("points", "")
        Select(self.driver.find_element("id", "BudgetUnit")).select_by_value(unit)
        budget_box = self.driver.find_element("id", "BudgetText")
        budget_box.clear()
        budget_box.send_keys(band)

        for list_id, word in zip(("HouseBox", "SizeBox", "WeightBox", "ExperienceBox"), words):
            if word is not None:  # None leaves the list on its placeholder
                Select(self.driver.find_element("id", list_id)).select_by_value(word)
        box = self.driver.find_element("id", "Vehicle")
        if box.is_selected() != vehicles:
            box.click()
        seed_box = self.driver.find_element("id", "SeedBox")
        seed_box.clear()
        seed_box.send_keys(seed)
        # Generate at the top of the page, where the force's bar, once it stays at the top of a
        # phone's screen, covers none of it.
        self.driver.execute_script("scrollTo(0, 0)")
        self.driver.find_element("id", "GButton").click()
        if settle:
            self.settled()

    def choose_tables(self, name, content):
        """Chooses a table file `name` of `content`, a name not chosen before in the test, and
        waits until the page has read it: taken, it is named as in use, refused, in the message."""
        path = self.folder / name
        path.write_bytes(content)
        self.driver.find_element("id", "TableFileInput").send_keys(str(path))
        self.wait_for(lambda: name in self.value("TablesInUse", "textContent") +
                      self.value("Message", "textContent"), f"{name} was not read")

    def test_every_seeded_case_lists_its_force(self):
        self.open(PAGE.as_uri())
        # The seeded budgets count in the shipped design list, here imported as one's own.
        self.driver.find_element("id", "DesignFileInput").send_keys(str(SOURCE / "data/Designs.csv"))
        self.wait_for(lambda: "(yours)" in self.value("DesignListState", "textContent"),
                      "Designs.csv was not imported")
        for header, words, vehicles, seed, budget, rerolls, listing in seeded_cases():
            with self.subTest(header):
                self.generate(words, vehicles, seed, budget)
                if rerolls:
                    # Re-rolls come by the force's link, as one typed into the address.
                    self.driver.execute_script("location.hash = arguments[0]",
                                               self.link().split("#")[1] + "&r=" + rerolls)
                    self.wait_for(lambda: "re-rolled" in self.value("SeedLabel"),
                                  f"the re-rolls {rerolls} were not drawn")
                self.assertEqual(self.value("MechBox") + "\n", listing)
                caption = self.value("SeedLabel")
                if rerolls:
                    self.assertIn(" \u00b7 re-rolled " + rerolls.replace(",", ", "), caption)
                if budget:
                    self.assertTrue(caption.startswith(f"Seed: {seed} \u00b7 ") and
                                    caption.endswith(" " + budget[0]), caption)
                elif not rerolls:
                    self.assertEqual(caption, f"Seed: {seed}")
        self.driver.execute_script("document.getElementById('ShippedDesigns').click()")

    def test_a_link_draws_its_force_again_and_a_bad_one_draws_nothing(self):
        self.open(PAGE.as_uri())
        self.generate(["Random", "Company", None, "Veteran"], True, "77")
        link, listing = self.link(), self.value("MechBox")
        self.assertIn("seed=77", link)
        self.open(link)
        self.assertEqual((self.value("MechBox"), self.value("SeedLabel")), (listing, "Seed: 77"))
        self.open(PAGE.as_uri() + "#house=Davion&size=Batallion&seed=3&r=2-9")
        listing = self.value("MechBox")
        self.assertTrue(self.link().endswith("&r=2-9"))
        self.assertEqual(self.value("SeedLabel"), "Seed: 3 \u00b7 re-rolled 2-9")
        self.open(PAGE.as_uri() + "#house=davion&size=BATTALION&seed=%203&r=2,3,4,5,6,7,8,9")
        self.assertEqual(self.value("MechBox"), listing)
        refusals = [("#house=Kurita&size=Lance&seed=4294967296", '"4294967296" is not one'),
                    ("#house=Atlantis&size=Lance&seed=1", '"Atlantis" is in no list'),
                    ("#house=Kurita&size=Lance", "holds no seed"),
                    ("#house=Kurita&size=Lance&seed=1&r=2", "group 2: the force has groups 1 to 1"),
                    ("#house=Wolf&size=Star&seed=1&r=1.6", "slot 1.6: a star has slots 1 to 5"),
                    ("#house=Kurita&size=Lance&seed=1&r=1,x", '"x" is no re-roll'),
                    ("#house=Kurita&size=Lance&seed=1&r=1-999999", "groups 1-999999: the force")]
        for fragment, message in refusals:
            with self.subTest(fragment):
                self.open(PAGE.as_uri() + fragment)
                self.assertIn(message, self.value("Message", "textContent"))
                self.assertEqual(self.value("MechBox"), "")
        with self.subTest("a browser without WebAssembly"):
            script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                                 {"source": "delete window.WebAssembly"})
            try:
                self.driver.get("about:blank")
                self.driver.get(link)
                self.assertIn("cannot run WebAssembly", self.value("Message", "textContent"))
                self.assertEqual(self.driver.execute_script(
                    "return [...document.querySelectorAll('button, select, input, textarea')]"
                    ".filter((control) => !control.disabled).length"), 0)
            finally:
                self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)

    def cli_listing(self, args, seed, rerolls):
        return subprocess.run([CLI, *args, "--seed", seed, "--reroll", rerolls, "--tables",
                               SOURCE / "data/Tables.dat"], capture_output=True, text=True,
                              check=True).stdout

    def test_rerolls_at_the_cursor_draw_the_command_lines_force_and_its_link_again(self):
        from selenium.webdriver.common.keys import Keys

        # (link, the same choices for musterwright-cli, [(line at the cursor, the button or
        # key, the button's label, the re-rolls made so far)])
        cases = [("#house=Kurita&size=Company&seed=5", ["--faction", "Kurita", "--size", "Company"],
                  [(10, "RollGroup", "Roll This Lance Again", "2"),
                   (15, "RollSlot", "Roll This Slot Again", "2,3.1"),
                   (11, Keys.ALT + "k", "Keep This Lance, Roll the Others Again", "2,3.1,1,3")]),
                 ("#house=Wolf&size=Binary&vehicles=1&seed=9",
                  ["--faction", "Wolf", "--size", "Binary", "--vehicles"],
                  [(4, "KeepGroup", "Keep This Star, Roll the Others Again", "2"),
                   (9, Keys.ALT + "o", "Roll This Slot Again", "2,1.5"),
                   (6, Keys.ALT + "r", "Roll This Star Again", "2,1.5,1")])]
        for link, args, steps in cases:
            self.open(PAGE.as_uri() + link)
            self.driver.find_element("id", "TextView").click()
            seed = link.rsplit("=", 1)[1]
            box = self.driver.find_element("id", "MechBox")
            for line, how, label, rerolls in steps:
                with self.subTest(link=link, rerolls=rerolls):
                    box.send_keys(Keys.CONTROL, Keys.HOME)
                    box.send_keys(Keys.DOWN * line)
                    if how.startswith(Keys.ALT):
                        box.send_keys(how)
                    else:
                        self.assertEqual(self.value(how, "textContent"), label)
                        self.driver.find_element("id", how).click()
                    self.assertEqual(self.value("MechBox") + "\n",
                                     self.cli_listing(args, seed, rerolls))
                    self.assertTrue(self.link().endswith("&r=" + rerolls))
            listing, seed_line = self.value("MechBox"), self.value("SeedLabel")
            self.assertEqual(seed_line, f"Seed: {seed} \u00b7 re-rolled " + rerolls.replace(",", ", "))
            self.open(self.link())
            self.assertEqual((self.value("MechBox"), self.value("SeedLabel")), (listing, seed_line))

        with self.subTest("an edited listing asks first"):
            box = self.driver.find_element("id", "MechBox")
            box.send_keys(Keys.CONTROL, Keys.HOME)
            box.send_keys(Keys.DOWN * 6, "my note")
            edited = self.value("MechBox")
            rerolled = self.cli_listing(args, seed, rerolls + ",1").removesuffix("\n")
            for accept, expected in ((False, edited), (True, rerolled)):
                self.driver.find_element("id", "RollGroup").click()
                alert = self.driver.switch_to.alert
                self.assertIn("rolling star 1 again", alert.text)
                alert.accept() if accept else alert.dismiss()
                self.assertEqual(self.value("MechBox"), expected)

    def open_collection_panel(self):
        """Opens the collection panel and returns its copies boxes, which the panel fills when the
        browser reports it open, a task after the tap."""
        self.driver.find_element("css selector", "#CollectionPanel summary").click()
        find = lambda: self.driver.find_elements("css selector", "#CollectionDesigns input")
        self.wait_for(lambda: len(find()) > 1, "the collection panel shows no designs")
        return find()

    def test_a_collection_picked_by_hand_draws_the_command_lines_force(self):
        from selenium.webdriver.common.keys import Keys

        self.open(PAGE.as_uri())
        stored = "return localStorage.getItem('musterwright.collection.text')"
        try:
            boxes = self.open_collection_panel()
            self.assertGreater(len(boxes), 90)
            for k in range(30):
                boxes[k * 3].send_keys(Keys.BACKSPACE, str(k % 3 + 1))
            self.assertIn("30 designs", self.value("CollectionState", "textContent"))
            (self.folder / "shelf.txt").write_text(self.driver.execute_script(stored))
            self.driver.find_element("id", "OwnedBox").click()
            for unique, seed in ((False, "1"), (True, "77"), (True, "4000000000")):
                if self.driver.find_element("id", "UniqueBox").is_selected() != unique:
                    self.driver.find_element("id", "UniqueBox").click()
                self.generate(["Kurita", "Batallion", None, None], True, seed)
                args = ["--faction", "Kurita", "--size", "Batallion", "--vehicles",
                        "--collection", self.folder / "shelf.txt"] + (["--unique"] if unique else [])
                self.assertEqual(self.value("MechBox") + "\n", self.cli_listing(args, seed, ""))
                self.assertIn("&c=", self.link())
                self.assertEqual("&unique=1" in self.link(), unique)
            link, listing = self.link(), self.value("MechBox")
            self.open(link)
            self.assertEqual(self.value("MechBox"), listing)
            boxes = self.open_collection_panel()
            boxes[1].send_keys(Keys.BACKSPACE, "5")
            self.open(link)
            self.assertIn("drawn here from yours, collection", self.value("Message", "textContent"))

            kept = self.driver.execute_script(stored)
            (self.folder / "bad.txt").write_text("100 Mailfist\n3 \n")
            refused = subprocess.run([CLI, "--collection", "bad.txt", "--seed", "1", "--tables",
                                      SOURCE / "data/Tables.dat"], cwd=self.folder,
                                     capture_output=True, text=True)
            self.driver.find_element("id", "CollectionFileInput").send_keys(
                str(self.folder / "bad.txt"))
            self.wait_for(lambda: "bad.txt" in self.value("Message", "textContent"),
                          "bad.txt was not read")
            message = self.value("Message", "textContent")
            self.assertTrue(message.startswith("bad.txt was not imported; nothing changed.\n"))
            for line in ("bad.txt, line 1: the count 100", "bad.txt, line 2: the count 3"):
                self.assertIn(line, message)
                self.assertIn(line, refused.stderr)
            self.assertEqual(self.driver.execute_script(stored), kept)
        finally:
            self.driver.execute_script(
                "for (const key of ['name', 'text', 'boxes'])"
                "  localStorage.removeItem('musterwright.collection.' + key)")

    def test_an_own_table_file_is_checked_used_remembered_and_dropped(self):
        self.open(PAGE.as_uri() + "#house=Wolf&size=Star&weight=Light&vehicles=1&seed=42")
        shipped_listing = self.value("MechBox")
        design = shipped_listing.splitlines()[5].split(" P: ")[0]
        link = self.link()

        # A file that fails its check is drawn from as the command line draws from it, the
        # checker's findings beside the force; one the engine cannot read is not taken.
        quirky = SHIPPED.replace(b"\nKurita\n", b"\nKurota\n")
        (self.folder / "quirky.dat").write_bytes(quirky)
        checked = subprocess.run([CLI, "--check-tables", "quirky.dat"], cwd=self.folder,
                                 capture_output=True, text=True)
        self.assertIn("quirky.dat, line ", checked.stderr)
        drawn = subprocess.run([CLI, "--faction", "Wolf", "--size", "Star", "--weight", "Light",
                                "--vehicles", "--seed", "42", "--tables", "quirky.dat"],
                               cwd=self.folder, capture_output=True, text=True, check=True)
        self.assertIn("--fit-tables quirky.dat", drawn.stderr)
        self.choose_tables("quirky.dat", quirky)
        self.assertEqual(self.value("TablesInUse", "textContent"),
                         "Table file: quirky.dat (yours)")
        for step in ("chosen", "drawn from"):
            with self.subTest(step):
                if step == "drawn from":
                    self.generate([], True, "42")
                    self.assertEqual(self.value("MechBox"), drawn.stdout.removesuffix("\n"))
                message = self.value("Message", "textContent")
                self.assertIn("--fit-tables quirky.dat", message)
                self.assertTrue(message.endswith(checked.stderr.rstrip("\n")), message)
        self.choose_tables("empty.dat", b"")
        self.assertIn("empty.dat was not taken; quirky.dat (yours) stays in use.",
                      self.value("Message", "textContent"))

        renamed = design[:-1] + ("x" if design[-1] != "x" else "y")
        self.choose_tables("mine.dat", SHIPPED.replace(design.encode(), renamed.encode()))
        for step in ("chosen", "remembered on the next visit"):
            with self.subTest(step):
                if step == "chosen":
                    self.generate([], True, "42")
                else:
                    self.open(link)
                self.assertEqual(self.value("TablesInUse", "textContent"),
                                 "Table file: mine.dat (yours)")
                self.assertEqual(self.value("MechBox"), shipped_listing.replace(design, renamed))
        self.assertIn("drawn from the shipped Tables.dat", self.value("Message", "textContent"))
        self.assertIn("in use is mine.dat", self.value("Message", "textContent"))
        own_link = self.link()
        self.assertTrue(own_link.endswith("&t=" + fnv1a64(SHIPPED.replace(design.encode(),
                                                                          renamed.encode()))))
        self.driver.find_element("id", "ShippedTables").click()
        self.open(own_link)
        self.assertEqual(self.value("MechBox"), shipped_listing)
        self.assertIn("in use is the shipped Tables.dat (checksum " + fnv1a64(SHIPPED) +
                      "): the force may differ", self.value("Message", "textContent"))
        self.generate([], True, "42")
        self.assertEqual(self.value("MechBox"), shipped_listing)

    def downloaded(self, name):
        path = self.folder / name
        self.wait_for(path.exists, f"{name} was not downloaded")
        time.sleep(0.2)
        return path.read_bytes()

    def test_my_list_its_tables_and_a_budget_draw_the_command_lines_force(self):
        lists = self.folder / "lists"
        lists.mkdir()
        mine = lists / "mine.csv"
        mine.write_text(LAYOUT_LIST)
        (lists / "bad.csv").write_text("design,tons,points\nPike Runner,25,lots\n")
        self.open(PAGE.as_uri())
        if self.driver.find_element("id", "ShippedTables").is_displayed():
            self.driver.find_element("id", "ShippedTables").click()
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        state = lambda: self.value("DesignListState", "textContent")
        findings = lambda: self.value("DesignFindings", "textContent")
        self.driver.find_element("id", "DesignFileInput").send_keys(str(mine))
        self.wait_for(lambda: "mine.csv (yours)" in state(), "mine.csv was not taken")
        self.assertIn('mine.csv, line 2: "Pike Runner" is in no table', findings())
        self.driver.find_element("id", "DesignFileInput").send_keys(str(lists / "bad.csv"))
        self.wait_for(lambda: "bad.csv, line 2" in findings(), "bad.csv's row was not named")
        self.assertIn("mine.csv (yours)", state())
        self.driver.find_element("id", "ExportDesigns").click()
        self.assertEqual(self.downloaded("mine.csv").decode(), LAYOUT_LIST)

        self.driver.find_element("id", "LayOutTables").click()
        report = self.value("MadeTablesReport", "textContent")
        self.assertTrue(report.startswith("Tables laid out from mine.csv over Tables.dat."), report)
        made = subprocess.run([CLI, "--make-tables", "mine.csv", "--tables", SOURCE /
                               "data/Tables.dat"], cwd=self.folder, capture_output=True, check=True)
        self.driver.find_element("id", "DownloadMadeTables").click()
        self.assertEqual(self.downloaded("mine-tables.dat"), made.stdout)
        self.driver.find_element("id", "UseMadeTables").click()
        self.wait_for(lambda: "mine-tables.dat (yours)" in self.value("TablesInUse", "textContent"),
                      "the laid-out tables were not put in use")

        def cli(*more):
            return subprocess.run([CLI, "--faction", "Davion", "--size", "Company", "--seed", "5",
                                   "--designs", "mine.csv", "--tables", "mine-tables.dat", *more],
                                  cwd=self.folder, capture_output=True, text=True)
        for unit, band in (("points", "12000"), ("tons", "700-800.5"), ("points", "1-2"),
                           ("points", " 11,400\u201312,000 points ")):
            with self.subTest(f"{unit} {band}"):
                self.generate(["Davion", "Company", None, None], False, "5", (unit, band))
                expected = cli(f"--{unit}", band)
                if expected.returncode != 0:
                    refusal = expected.stderr.removeprefix("musterwright-cli: ").strip()
                    self.assertIn(refusal[1:], self.value("Message", "textContent"))
                    continue
                self.assertEqual(self.value("MechBox") + "\n", expected.stdout)
                self.assertIn(f"{unit}=", self.link())
                self.assertTrue(self.value("SeedLabel").endswith(" " + unit))
        self.generate(["Davion", "Company", None, None], False, "5", ("points", "12000 tons"))
        self.assertIn('"12000 tons" counts tons, and this budget counts points',
                      self.value("Message", "textContent"))
        self.generate(["Davion", "Company", None, None], False, "5", ("points", "12000"))
        self.driver.find_element("css selector", "#Roster [data-action='2.1']").click()
        rolled = self.value("MechBox") + "\n"
        self.assertEqual(rolled, cli("--points", "12000", "--reroll", "2.1").stdout)
        link = self.link()
        self.open(link)
        self.assertEqual((self.value("MechBox") + "\n", self.value("BudgetText")), (rolled, "12000"))
        self.assertTrue(state().startswith("Design list: mine.csv (yours)"), "not remembered")
        # The totals follow the shipped list at once, which numbers none of mine's designs.
        self.assertNotIn("without points", self.value("Roster", "textContent"))
        self.driver.execute_script("document.getElementById('ShippedDesigns').click()")
        self.assertIn("without points", self.value("Roster", "textContent"))
        self.assertIn("this force's totals leave the band it was drawn in, 11,400\u201312,000 "
                      "points: ", self.value("Message", "textContent"))
        self.assertTrue(self.value("SeedLabel").endswith("11,400\u201312,000 points"))
        self.driver.execute_script("document.getElementById('ShippedTables').click();"
                                   "document.getElementById('BudgetText').value = ''")

    def test_tables_are_laid_out_over_their_base_kept_over_a_visit(self):
        """A list refused with the command line's problems, all at once; tables used, kept with
        their base over a reload, and laid out again over it: the command line's bytes."""
        lists = self.folder / "layouts"
        lists.mkdir()
        header = "design,tons,points,weight_class,kind,factions,rarity\n"
        (lists / "refused.csv").write_text(header + "Heavy,25,500,Huge,,all,rare\n"
                                           "Davion,30,600,Light,,davion,common\n")
        (lists / "first.csv").write_text(header + "Pike,25,500,Light,,Davion,common\n"
                                         "Ridge Tank,60,900,Heavy,vehicle,,common\n")
        (lists / "second.csv").write_text(header + "Halberd,30,600,Light,,Davion,common\n")

        def cli(name):
            return subprocess.run([CLI, "--make-tables", name, "--tables", SOURCE /
                                   "data/Tables.dat"], cwd=lists, capture_output=True)

        def click(button):  # as a tap, whatever message floats over the panel
            self.driver.execute_script(f"document.getElementById('{button}').click()")

        def lay_out(name):
            self.driver.find_element("id", "DesignFileInput").send_keys(str(lists / name))
            self.wait_for(lambda: f"{name} (yours)" in self.value("DesignListState", "textContent"),
                          f"{name} was not taken")
            click("LayOutTables")

        self.open(PAGE.as_uri())
        self.addCleanup(click, "ShippedDesigns")
        self.addCleanup(click, "ShippedTables")
        click("ShippedTables")
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        for name in ("refused.csv", "first.csv"):
            lay_out(name)
            if name == "refused.csv":
                refused = cli(name)
                self.assertEqual(refused.returncode, 1)
                problems = [line for line in refused.stderr.decode().splitlines()
                            if not line.startswith("musterwright-cli:")]
                self.assertEqual(len(problems), 3, problems)
                self.assertEqual(self.value("DesignFindings", "innerText").splitlines(), problems +
                                 ["The tables of refused.csv were not laid out."])
                self.assertTrue(self.value("MadeTables", "hidden"))
        click("UseMadeTables")
        self.wait_for(lambda: "first-tables.dat (yours)" in self.value("TablesInUse",
                                                                        "textContent"),
                      "the tables laid out were not put in use")

        self.open(PAGE.as_uri())
        self.assertEqual(self.value("TablesInUse", "textContent"),
                         "Table file: first-tables.dat (yours)")
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        lay_out("second.csv")
        self.assertTrue(self.value("MadeTablesReport", "textContent").startswith(
            "Tables laid out from second.csv over Tables.dat."))
        click("DownloadMadeTables")
        made = self.downloaded("second-tables.dat")
        self.assertEqual(made, cli("second.csv").stdout)
        self.assertNotIn(b"Ridge Tank", made)
        click("UseMadeTables")
        self.wait_for(lambda: "second-tables.dat (yours)" in self.value("TablesInUse",
                                                                         "textContent"),
                      "the second tables laid out were not put in use")

    def test_a_list_over_1_mib_is_refused_with_the_command_lines_message(self):
        big = self.folder / "big.csv"
        big.write_text("design,tons,points\n" + "Mailfist,45,901\n" * 70000)
        refused = subprocess.run([CLI, "--designs", "big.csv", "--seed", "1", "--tables",
                                  SOURCE / "data/Tables.dat"], cwd=self.folder,
                                 capture_output=True, text=True)
        message = "big.csv: the file is too large for a design list (over 1 MiB)"
        self.assertIn(message, refused.stderr)
        self.open(PAGE.as_uri())
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        self.driver.find_element("id", "DesignFileInput").send_keys(str(big))
        self.wait_for(lambda: "big.csv was not imported" in self.value("Message", "textContent"),
                      "big.csv was not refused")
        self.assertEqual(self.value("DesignFindings", "textContent"), message)
        self.assertIn("(shipped)", self.value("DesignListState", "textContent"))

    def test_save_downloads_the_edited_box_with_cr_lf_line_ends(self):
        from selenium.webdriver.common.keys import Keys

        self.open(PAGE.as_uri() + "#house=Kurita&size=Lance&seed=5")
        listing = self.value("MechBox")
        self.driver.find_element("id", "TextView").click()
        box = self.driver.find_element("id", "MechBox")
        box.send_keys(Keys.CONTROL, Keys.END)
        box.send_keys("\nmy note")
        name = self.driver.find_element("id", "FileName")
        name.clear()
        name.send_keys("lance.txt", Keys.ENTER)
        saved = self.folder / "lance.txt"
        # The browser may make the file before it has written it.
        self.wait_for(lambda: saved.exists() and saved.stat().st_size > 0,
                      "lance.txt was not saved")
        expected = "".join(line + "\r\n" for line in (listing + "\nmy note").split("\n"))
        self.assertEqual(saved.read_bytes(), expected.encode())
        name.clear()
        name.send_keys(Keys.ENTER)
        self.assertIn("Nothing was saved", self.value("Message", "textContent"))

    def wait_for(self, condition, what):
        if not wait_until(condition):
            self.fail(what)

    def roster(self):
        """The roster as shown: [heading, [[design, kind, weight class, "P n", "G n"], ...]] per
        group, after the force's own heading."""
        return self.driver.execute_script(
            "const text = (part) => part.textContent;"
            "const title = (heading) => heading.firstChild.textContent;"
            "return [title(document.querySelector('#Roster h2')), ...[...document.querySelectorAll("
            "'#Roster section')].map((section) => [title(section.querySelector('h3')), "
            "[...section.querySelectorAll('.slot')].map((row) => [...row.querySelectorAll("
            "'.design, .kind, .class, .skill')].map(text))])]")

    def test_the_roster_shows_the_command_lines_data(self):
        import json

        kinds = {"mech": "Mech", "vehicle": "vehicle", "battle armour": "battle armour"}
        cases = [["--faction", "Kurita", "--size", "Company", "--vehicles", "--seed", "3"],
                 ["--faction", "Wolf", "--size", "Star", "--seed", "61"],
                 ["--faction", "Jade Falcon", "--size", "Galaxy", "--vehicles", "--seed", "8"]]
        for args in cases:
            with self.subTest(args):
                data = json.loads(subprocess.run(
                    [CLI, *args, "--format", "json", "--tables", SOURCE / "data/Tables.dat"],
                    capture_output=True, text=True, check=True).stdout)
                self.open(PAGE.as_uri() + f"#house={args[1]}&size={args[3]}&seed={args[-1]}" +
                          ("&vehicles=1" if "--vehicles" in args else ""))
                heading, *groups = self.roster()
                self.assertEqual(heading, " \u00b7 ".join(
                    data[key] for key in ("faction", "size", "weight", "experience")))
                word = "Star" if data["clan"] else "Lance"
                for number, (shown, group) in enumerate(zip(groups, data["groups"]), 1):
                    self.assertTrue(shown[0].startswith(f"{word} {number} \u00b7 "), shown[0])
                    if "weight_class" in group:
                        self.assertEqual(shown[0], f"{word} {number} \u00b7 {group['weight_class']}")
                    self.assertEqual(shown[1], [
                        [slot["design"], kinds[slot["kind"]], slot["weight_class"],
                         f"P {slot['piloting']}", f"G {slot['gunnery']}"] for slot in group["slots"]])
                self.assertEqual(len(groups), len(data["groups"]))

    def test_the_roster_shows_the_command_lines_tons_and_points(self):
        import json

        def words(numbers):
            return (f"{numbers['tons']:g} tons \u00b7 {numbers['points']:,} points \u00b7 "
                    f"{numbers['skill_points']:,} with crew")

        for args in (["--faction", "Davion", "--size", "Company", "--seed", "7"],
                     ["--faction", "Jade Falcon", "--size", "Galaxy", "--vehicles", "--seed", "8"]):
            with self.subTest(args):
                run = lambda *more: subprocess.run(
                    [CLI, *args, *more, "--tables", SOURCE / "data/Tables.dat"],
                    capture_output=True, text=True, check=True).stdout
                total = run("--totals").splitlines()[-1]
                data = json.loads(run("--format", "json"))
                self.open(PAGE.as_uri() + f"#house={args[1]}&size={args[3]}&seed={args[-1]}" +
                          ("&vehicles=1" if "--vehicles" in args else ""))
                shown = self.driver.execute_script(
                    "const text = (part) => part.textContent;"
                    "return [text(document.querySelector('#Roster h2 .totals')), "
                    "...[...document.querySelectorAll('#Roster section')].map((section) => "
                    "[text(section.querySelector('.group-head .totals')), "
                    "[...section.querySelectorAll('.numbers')].map(text)])]")
                force = data["totals"]
                self.assertEqual(total, f"Total: {force['tons']:g} tons, {force['points']:,} "
                                        f"points ({force['skill_points']:,} with crew skill)")
                self.assertEqual(shown[0][3:], words(force))
                self.assertIn("&d=", self.link())
                for (heading, numbers), group in zip(shown[1:], data["groups"]):
                    self.assertEqual(heading, words(group["totals"]))
                    self.assertEqual(numbers, [words(slot) for slot in group["slots"]])
                self.assertEqual(len(shown) - 1, len(data["groups"]))

    def test_an_imported_skill_table_gives_the_command_lines_totals_and_is_kept(self):
        tables = self.folder / "skills"
        tables.mkdir()
        mine = tables / "Crew.csv"
        mine.write_text("piloting,gunnery,percent\n" + "".join(
            f"{p},{g},{200 - 10 * g}\n" for p in range(1, 8) for g in range(1, 8)))
        (tables / "bad.csv").write_text("piloting,gunnery,percent\n5,4,lots\n")
        args = ["--faction", "Davion", "--size", "Company", "--seed", "7", "--totals",
                "--tables", SOURCE / "data/Tables.dat"]
        total = lambda *more: subprocess.run([CLI, *args, *more], capture_output=True, text=True,
                                             check=True).stdout.splitlines()[-1]
        force_words = lambda: self.value("Roster", "textContent")
        self.open(PAGE.as_uri() + "#house=Davion&size=Company&seed=7")
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        state = lambda: self.value("SkillTableState", "textContent")
        self.assertIn("Skills.csv (shipped)", state())
        shipped = total().split(" (")[1].split(" with")[0]
        self.assertIn(f"{shipped} with crew", force_words())
        self.driver.find_element("id", "SkillFileInput").send_keys(str(tables / "bad.csv"))
        self.wait_for(lambda: "bad.csv, line 2" in self.value("DesignFindings", "textContent"),
                      "bad.csv's row was not named")
        self.driver.find_element("id", "SkillFileInput").send_keys(str(mine))
        self.wait_for(lambda: "Crew.csv (yours)" in state(), "Crew.csv was not taken")
        crew = total("--skills", mine).split(" (")[1].split(" with")[0]
        self.assertIn(f"{crew} with crew", force_words())
        # A band in points with crew skill above this force's: the search (the worker's, with
        # Crew.csv handed over) finds the command line's force, and its link draws it again.
        low = int(crew.replace(",", "")) + 500
        band = f"{low}-{low + 2500}"
        self.generate(["Davion", "Company", None, None], False, "7", ("skillPoints", band))
        listing = subprocess.run([CLI, *args[:6], "--skills", mine, "--skill-points", band,
                                  "--tables", SOURCE / "data/Tables.dat"],
                                 capture_output=True, text=True, check=True).stdout
        self.assertEqual(self.value("MechBox") + "\n", listing)
        self.assertIn(f"skill_points={low}-{low + 2500}", self.link())
        self.assertTrue(self.value("SeedLabel").endswith(" points with crew skill"))
        self.open(self.link())
        self.assertEqual((self.value("MechBox") + "\n", self.value("BudgetUnit")),
                         (listing, "skillPoints"))
        self.driver.execute_script("document.getElementById('BudgetText').value = ''")
        self.open(PAGE.as_uri() + "#house=Davion&size=Company&seed=7")
        self.assertIn("Crew.csv (yours)", state())
        self.driver.find_element("css selector", "#DesignPanel summary").click()
        self.driver.find_element("id", "ShippedSkills").click()
        self.assertIn("Skills.csv (shipped)", state())
        self.assertIn(f"{shipped} with crew", force_words())

    def test_a_design_name_of_markup_shows_as_its_text(self):
        self.open(PAGE.as_uri() + "#house=Wolf&size=Star&weight=Light&vehicles=1&seed=42")
        design = self.value("MechBox").splitlines()[5].split(" P: ")[0]
        try:
            for file, name in enumerate(('<img src=x onerror="document.title=1">',
                                         '&amp; "Quoted" <b>')):
                with self.subTest(name):
                    self.choose_tables(f"markup{file}.dat",
                                       SHIPPED.replace(design.encode(), name.encode()))
                    self.generate([], True, "42")
                    shown = self.driver.execute_script(
                        "const roster = document.getElementById('Roster');"
                        "return [[...roster.querySelectorAll('.design')].map((n) => n.textContent),"
                        " roster.querySelectorAll('img, b').length, document.title]")
                    self.assertIn(name, shown[0])
                    self.assertEqual(shown[1:], [0, "Musterwright"])
        finally:
            self.driver.find_element("id", "ShippedTables").click()

    def test_taps_roll_again_and_undo_redo_back_and_reload_bring_forces_back(self):
        from selenium.webdriver.common.keys import Keys

        self.open(PAGE.as_uri() + "#house=Kurita&size=Company&seed=5")
        self.driver.find_element("id", "RosterView").click()
        args = ["--faction", "Kurita", "--size", "Company"]
        self.assertEqual(self.value("UndoButton", "disabled"), "true")
        listings = [self.value("MechBox")]
        # (the button's name to a screen reader, the re-rolls made so far, the line announced)
        for name, rerolls, said in [("Roll again, slot 3.1", "3.1", "Slot 3.1 rolled again."),
                                    ("Keep, roll the others, lance 2", "3.1,1,3",
                                     "Every lance but lance 2 rolled again."),
                                    ("Roll again, lance 2", "3.1,1,3,2", "Lance 2 rolled again.")]:
            with self.subTest(name):
                button = self.driver.find_element("xpath", f"//button[@aria-label='{name}']")
                self.assertEqual(button.get_attribute("tabindex"), "-1")
                button.click()
                listings.append(self.value("MechBox"))
                self.assertEqual(listings[-1] + "\n", self.cli_listing(args, "5", rerolls))
                self.wait_for(lambda: self.value("Announce", "textContent") == said, said)
        self.assertEqual(len(self.driver.find_elements("css selector", "#Roster [tabindex='0']")), 1)
        for key, name in [(Keys.DOWN, "Roll again, slot 2.1"), (Keys.UP, "Roll again, lance 2"),
                          (Keys.RIGHT, "Keep, roll the others, lance 2")]:
            self.driver.switch_to.active_element.send_keys(key)
            self.assertEqual(self.driver.switch_to.active_element.get_attribute("aria-label"), name)
        body = self.driver.find_element("tag name", "body")
        steps = [(lambda: self.driver.find_element("id", "UndoButton").click(), 2),
                 (lambda: body.send_keys(Keys.CONTROL, "z"), 1),
                 (lambda: self.driver.back(), 0),
                 (lambda: self.driver.forward(), 1),
                 (lambda: body.send_keys(Keys.CONTROL, Keys.SHIFT, "z"), 2),
                 (lambda: self.driver.find_element("id", "RedoButton").click(), 3)]
        for step, (act, shown) in enumerate(steps):
            with self.subTest(step=step):
                act()
                self.wait_for(lambda: self.value("MechBox") == listings[shown], f"step {step}")
        self.assertEqual(self.value("RedoButton", "disabled"), "true")
        self.driver.find_element("id", "TextView").click()
        box = self.driver.find_element("id", "MechBox")
        box.send_keys(Keys.CONTROL, Keys.END)
        box.send_keys("\nmy note")
        self.driver.refresh()
        self.wait_for(lambda: self.value("MechBox") == listings[3] + "\nmy note", "the reload")
        self.driver.find_element("id", "UndoButton").click()
        self.wait_for(lambda: self.value("MechBox") == listings[2], "the undo after the reload")
        # Undo and Copy Link tapped before the page has written the re-roll's history entry
        # write it first: Undo goes back to the force before it, the link is the re-roll's.
        roll = "document.querySelector('#Roster [data-action=\"1.1\"]').click();"
        self.driver.execute_script(roll + "document.getElementById('UndoButton').click();")
        self.wait_for(lambda: self.value("MechBox") == listings[2], "the undo at once")
        self.driver.execute_script(roll + "document.getElementById('CopyLink').click();")
        self.wait_for(lambda: "r=3.1,1,3,1.1" in self.value("Message", "textContent"),
                      "the link copied at once")
        # So does the Text view, for the listing box the roster view writes after the paint.
        self.driver.find_element("id", "RosterView").click()
        before = self.value("MechBox")
        at_once = self.driver.execute_script(roll + "document.getElementById('TextView').click();"
                                             "return document.getElementById('MechBox').value")
        self.assertNotEqual(at_once, before)
        self.assertEqual(at_once, self.value("MechBox"))

    def test_a_thumb_reaches_every_control_and_the_first_screen_holds_the_force(self):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        try:
            self.open(PAGE.as_uri() + "#house=Wolf&size=Binary&seed=9")
            self.driver.find_element("id", "RosterView").click()
            self.assertTrue(self.driver.execute_script("return matchMedia('(pointer: coarse)').matches"))
            small = self.driver.execute_script(
                "return [...document.querySelectorAll('button, select, input, label')]"
                ".filter((control) => control.getClientRects().length > 0 && !control.closest('.hidden'))"
                ".map((control) => [control.id || control.textContent, control.getBoundingClientRect()])"
                ".filter(([, box]) => box.height < 44 || box.width < 44)")
            self.assertEqual(small, [])
            self.assertFalse(self.driver.find_element("id", "Keys").is_displayed())
            bottoms = self.driver.execute_script(
                "return ['WeightBox', 'GButton', 'SeedLabel', 'Roster'].map((id) => "
                "document.getElementById(id).getBoundingClientRect().top + 20)")
            self.assertLess(max(bottoms), 740)
        finally:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    @contextlib.contextmanager
    def phone(self):
        """A phone's 360 x 740 screen with touch, as the page's phone tests use."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        try:
            yield
        finally:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def in_view(self, selector):
        """Whether the element of `selector` is on screen and not covered by another."""
        return self.driver.execute_script(
            "const box = document.querySelector(arguments[0]).getBoundingClientRect();"
            "const hit = document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2);"
            "return box.top >= 0 && box.bottom <= innerHeight && box.height > 0 &&"
            " hit !== null && hit.closest(arguments[0]) !== null", selector)

    def test_a_collection_on_a_phone_shows_what_is_owned_and_its_open_slots(self):
        stored = "return localStorage.getItem('musterwright.collection.text')"
        shelf = self.folder / "shelf.txt"
        shelf.write_text("2 Sleetfang\n1 Tidecaller\n1 Gale Regent\n3 Mailfsit\n")
        (self.folder / "bad.txt").write_text("100 Mailfist\n")
        rows = "return [...document.querySelectorAll('#CollectionDesigns tbody th')].map(th => th.textContent)"
        with self.phone():
            try:
                self.open(PAGE.as_uri())
                self.driver.find_element("id", "OpenCollection").click()
                self.assertTrue(self.in_view("#CollectionPanel summary"))
                self.driver.find_element("id", "CollectionFileInput").send_keys(str(shelf))
                self.wait_for(lambda: self.driver.execute_script(rows) ==
                              ["Gale Regent", "Sleetfang", "Tidecaller"], "only the owned rows")
                self.driver.find_element("id", "Message").click()  # the import's notice
                self.driver.find_element("id", "OwnedOnly").click()
                self.assertGreater(len(self.driver.execute_script(rows)), 90)
                self.driver.find_element("xpath", "//*[@id='KeptNames']//button[.='Mailfist']").click()
                self.assertIn("3 Mailfist\n", self.driver.execute_script(stored))
                self.assertNotIn("Mailfsit", self.driver.execute_script(stored))
                self.assertFalse(self.driver.find_element("id", "KeptNames").is_displayed())
                shelf.write_text(self.driver.execute_script(stored))
                self.driver.find_element("id", "CollectionFileInput").send_keys(
                    str(self.folder / "bad.txt"))
                self.wait_for(lambda: "bad.txt was not imported" in
                              self.value("Message", "textContent"), "the refusal")
                self.assertTrue(self.in_view("#Message"))
                self.driver.find_element("id", "Message").click()
                self.driver.find_element("id", "OwnedBox").click()
                self.generate(["Kurita", "Company", None, None], False, "1")
                notice = subprocess.run(
                    [CLI, "--faction", "Kurita", "--size", "Company", "--seed", "1", "--collection",
                     shelf, "--tables", SOURCE / "data/Tables.dat"], capture_output=True, text=True)
                self.assertEqual(notice.returncode, 0, notice.stderr)
                self.assertIn("slots stayed open", notice.stderr)
                self.assertEqual(self.value("MechBox") + "\n", notice.stdout)
                open_rows = self.driver.find_elements("css selector", "#Roster .slot.open")
                self.assertEqual(len(open_rows), notice.stdout.count("(open: no "))
                for row in open_rows:
                    self.assertRegex(row.text, r"^open: no \w+ design left")
                skills = self.driver.execute_script(
                    "return [...document.querySelectorAll('#Roster .skill')].map(s => s.textContent)")
                self.assertTrue(all(skill[-1] in "1234567" for skill in skills), skills)
                said = self.value("Roster", "textContent")
                self.assertIn(notice.stderr.strip().split(": ", 1)[1], said)
                sheet = self.print_text()
                self.assertIn("open: no ", sheet)
                self.assertIn("slots stayed open", sheet)
            finally:
                self.driver.execute_script(
                    "for (const key of ['name', 'text', 'boxes'])"
                    "  localStorage.removeItem('musterwright.collection.' + key)")

    def test_a_galaxy_on_a_phone_redraws_one_row_and_keeps_its_bar_in_reach(self):
        from selenium.webdriver.support.select import Select

        with self.phone():
            self.open(PAGE.as_uri())
            self.driver.execute_script("document.getElementById('ShareLink').hidden = false")
            self.generate(["Wolf", "Galaxy", None, None], True, "4")
            self.assertIn("every generate uses seed 4", self.value("SeedNote").lower())
            self.assertTrue(self.in_view("#SeedNote"))
            self.assertTrue(self.in_view("#Roster .slot"))
            self.assert_bar_holds_the_totals("#ShareLink")
            nodes = "return [...document.querySelectorAll('#Roster h2, #Roster .row')]"
            before = self.driver.execute_script(nodes)
            row = before.index(self.driver.find_element(
                "css selector", "#Roster section[data-group='2'] .slot:nth-child(3)"))
            self.driver.find_element("css selector", "#Roster [data-action='2.3']").click()
            listing = self.cli_listing(["--faction", "Wolf", "--size", "Galaxy", "--vehicles"],
                                       "4", "2.3")
            self.assertEqual(self.value("MechBox") + "\n", listing)
            shown = self.driver.execute_script(
                "return [...arguments[0].querySelectorAll('.design, .skill')]"
                ".map((part) => part.textContent)", before[row])
            self.assertEqual("{} P: {} G: {}".format(shown[0], shown[1][-1], shown[2][-1]),
                             listing.splitlines()[13])
            after = self.driver.execute_script(nodes)
            self.assertEqual(len(after), len(before))
            changed = [k for k, (old, new) in enumerate(zip(before, after)) if old != new]
            self.assertIn(changed, ([row], []))
            Select(self.driver.find_element("id", "JumpTo")).select_by_value("30")
            self.assertTrue(self.in_view("#Roster section[data-group='30'] h3"))
            self.assert_bar_holds_the_totals("#ShareLink")
            self.driver.execute_script("document.getElementById('ShareLink').hidden = true")
            self.assert_bar_holds_the_totals("#CopyLink")
            Select(self.driver.find_element("id", "JumpTo")).select_by_value("form")
            self.assertEqual(self.driver.execute_script("return scrollY"), 0)
            # A bad budget entered with Enter, the budget gone to from the bar, says why in view.
            Select(self.driver.find_element("id", "JumpTo")).select_by_value("budget")
            self.assertTrue(self.in_view("#BudgetText"))
            self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "BudgetText")
            self.driver.switch_to.active_element.send_keys("12000 tons\n")
            self.assertIn('"12000 tons" counts tons', self.value("Message", "textContent"))
            for shown in ("#Message", "#BudgetText"):
                self.assertTrue(self.in_view(shown), shown)
        # Slot 1.1 of this Star draws the same design and crew again.
        self.open(PAGE.as_uri() + "#house=Wolf&size=Star&seed=79")
        self.driver.find_element("css selector", "#Roster [data-action='1.1']").click()
        self.assertEqual(self.value("Message", "textContent"), "Slot 1.1 rolled again: the same")

    def assert_bar_holds_the_totals(self, link):
        """The bar, in view, holds the force's totals on one line, as the roster's heading has
        them, beside the title, and its actions on one line of their own, the link's (`link`,
        Copy Link or Share…) among them; nothing is wider than the screen."""
        for part in ("#ForceTotals", "#ForceTitle", "#UndoButton", "#RedoButton", link, "#JumpTo"):
            self.assertTrue(self.in_view(part), part)
        self.assertEqual(self.driver.execute_script(
            "return [innerWidth, document.documentElement.scrollWidth]"), [360, 360])
        totals, lines, tops = self.driver.execute_script(
            "const totals = document.getElementById('ForceTotals');"
            "return [totals.textContent, totals.getClientRects().length,"
            " [...document.querySelectorAll('#BarActions > *')]"
            "    .filter((action) => action.getClientRects().length > 0)"
            "    .map((action) => action.getBoundingClientRect().top)]")
        self.assertRegex(totals, r"^[\d,.]+ tons \u00b7 [\d,]+ points \u00b7 [\d,]+ with crew$")
        self.assertIn(totals, self.driver.find_element("css selector", "#Roster h2").get_attribute(
            "textContent"))
        self.assertEqual(lines, 1)
        self.assertEqual(len(set(tops)), 1, tops)

    def test_a_rare_band_searches_aside_and_cancel_leaves_the_force(self):
        """A band of about 1 force in 25,000: the search runs in the worker while the page
        answers taps, and Cancel leaves the force, its link and its seed as they were; the worker
        started anew makes the next search."""
        with self.phone():
            self.open(PAGE.as_uri() + "#house=Wolf&size=Galaxy&vehicles=1&seed=4")
            shown = lambda: [self.value("MechBox"), self.link(), self.value("SeedLabel")]
            before = shown()
            self.generate(["Wolf", "Galaxy", None, None], True, "2", ("points", "150000"),
                          settle=False)
            searching = lambda: self.driver.find_element("id", "Searching").is_displayed()
            self.wait_for(searching, "the busy sign did not show")
            self.assertTrue(self.in_view("#CancelSearch"))
            for view in ("TextView", "RosterView"):
                self.driver.find_element("id", view).click()
                self.assertEqual(self.driver.find_element("id", view).get_attribute(
                    "aria-pressed"), "true")
            self.assertTrue(searching(), "the taps were answered only after the search")
            self.driver.find_element("id", "CancelSearch").click()
            self.assertFalse(searching())
            self.assertEqual(shown(), before)
            self.generate(["Davion", "Company", None, None], False, "7", ("points", "16000-18000"))
            drawn = subprocess.run([CLI, "--faction", "Davion", "--size", "Company", "--seed", "7",
                                    "--points", "16000-18000", "--tables",
                                    SOURCE / "data/Tables.dat"], capture_output=True, text=True)
            self.assertEqual(self.value("MechBox") + "\n", drawn.stdout)
            self.generate(["Davion", "Company", None, None], False, "7")

    def test_keep_the_screen_on_is_remembered_and_taken_again(self):
        """The switch asks the browser for a screen wake lock (here a stand-in that counts),
        again after a reload and when the page comes back into view; without the API it hides."""
        stand_in = ("window.wakeRequests = 0; Object.defineProperty(navigator, 'wakeLock', {value:"
                    " {request: async () => { window.wakeRequests += 1; const lock = new EventTarget();"
                    " lock.release = async () => lock.dispatchEvent(new Event('release'));"
                    " window.wakeLockHeld = lock; return lock; }}})")
        requests = lambda: self.driver.execute_script("return window.wakeRequests")
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": stand_in})
        try:
            self.open(PAGE.as_uri())
            self.assertTrue(self.driver.find_element("id", "WakeLabel").is_displayed())
            self.assertEqual(requests(), 0)
            self.driver.find_element("id", "WakeBox").click()
            self.assertEqual(requests(), 1)
            self.open(PAGE.as_uri())
            self.assertTrue(self.driver.find_element("id", "WakeBox").is_selected())
            self.wait_for(lambda: requests() == 1, "not taken again after the reload")
            self.driver.execute_script("window.wakeLockHeld.release();"
                                       "document.dispatchEvent(new Event('visibilitychange'))")
            self.wait_for(lambda: requests() == 2, "not taken again back in view")
            self.driver.find_element("id", "WakeBox").click()
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "delete Navigator.prototype.wakeLock"})
        try:
            self.open(PAGE.as_uri())
            self.assertFalse(self.driver.find_element("id", "WakeLabel").is_displayed())
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)

    def test_design_list_and_layout_messages_show_in_view_and_the_report_fits_a_phone(self):
        lists = self.folder / "phone lists"
        lists.mkdir()
        (lists / "mine.csv").write_text(LAYOUT_LIST)
        (lists / "bad.csv").write_text("design,tons,points\nPike Runner,25,lots\n")
        with self.phone():
            self.open(PAGE.as_uri() + "#house=Wolf&size=Galaxy&vehicles=1&seed=4")
            self.driver.find_element("css selector", "#DesignPanel summary").click()
            self.driver.find_element("id", "LayOutTables").click()
            self.assertIn("No tables were laid out", self.value("Message", "textContent"))
            self.assertTrue(self.in_view("#Message"))
            self.driver.find_element("id", "DesignFileInput").send_keys(str(lists / "bad.csv"))
            self.wait_for(lambda: "bad.csv was not imported" in self.value("Message", "textContent"),
                          "bad.csv was not refused")
            self.assertTrue(self.in_view("#Message"))
            self.driver.find_element("id", "Message").click()
            self.driver.find_element("id", "DesignFileInput").send_keys(str(lists / "mine.csv"))
            self.wait_for(lambda: "mine.csv (yours)" in self.value("DesignListState", "textContent"),
                          "mine.csv was not taken")
            self.assertTrue(self.in_view("#Message"))
            # The Galaxy's totals now name slots without numbers: the bar wraps them.
            self.assertIn("without points", self.value("ForceTotals", "textContent"))
            self.assertEqual(self.driver.execute_script(
                "return [innerWidth, document.documentElement.scrollWidth]"), [360, 360])
            self.driver.find_element("id", "LayOutTables").click()
            report, wide, rows = self.driver.execute_script(
                "const report = document.getElementById('MadeTablesReport');"
                "return [report.textContent, report.scrollWidth > report.clientWidth ||"
                " report.getBoundingClientRect().right > innerWidth,"
                " [...report.querySelectorAll('tbody tr')].map((row) =>"
                "   [...row.cells].map((cell) => cell.textContent))]")
            self.assertFalse(wide, "the report is wider than the screen")
            made = subprocess.run([CLI, "--make-tables", "mine.csv", "--tables", SOURCE /
                                   "data/Tables.dat", "--out", "made.dat"], cwd=lists,
                                  capture_output=True, text=True, check=True).stderr
            self.assertTrue(report.startswith("Tables laid out from mine.csv over Tables.dat."))
            self.assertEqual(len(rows), 10)
            for cells in rows:
                self.assertRegex(made, r"\n  " + r"\s+".join(map(re.escape, cells)) + "\n")
            # The layout's warning stays listed above the report, so the button may lie under the
            # bar: it is scrolled clear, as a thumb would, before its tap.
            self.driver.execute_script(
                "document.getElementById('ShippedDesigns').scrollIntoView({block: 'center'})")
            self.driver.find_element("id", "ShippedDesigns").click()
            self.driver.execute_script("localStorage.clear()")

    def print_text(self):
        """The printed sheet's text, as pdftotext reads it."""
        import base64

        pdf = self.folder / "sheet.pdf"
        pdf.write_bytes(base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"]))
        return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True, check=True).stdout

    def test_axe_and_html_validate_find_nothing(self):
        checkers = SOURCE / "web/node_modules"
        if not checkers.is_dir():
            print("skipped: axe-core and html-validate are not installed "
                  "(scripts/install-deps.sh --page-checks installs them)")
            self.skipTest("axe-core and html-validate are not installed")
        checked = subprocess.run([checkers / ".bin/html-validate", "web/page.html", PAGE],
                                 cwd=SOURCE, capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        axe = (checkers / "axe-core/axe.min.js").read_text()
        version = json.loads((checkers / "axe-core/package.json").read_text())["version"]
        self.assertTrue(version.startswith("4.14."), f"axe-core {version}, 4.14 is pinned")
        # Each state: its link, then what is done on the page before the check.
        panels = ("document.querySelector('#DesignPanel summary').click();"
                  "document.querySelector('#CollectionPanel summary').click();"
                  "document.getElementById('TextView').click()")
        search = ("document.getElementById('RosterView').click();"
                  "document.getElementById('SeedBox').value = '2';"
                  "document.getElementById('BudgetText').value = '150000';"
                  "document.getElementById('GButton').click()")
        states = [("empty", "", ""), ("a Company", "#house=Davion&size=Company&seed=1", ""),
                  ("a Galaxy", "#house=Wolf&size=Galaxy&vehicles=1&seed=4", ""),
                  ("an error", "#house=Kurita&size=Lance&seed=x", ""),
                  ("dark", "#house=Davion&size=Company&seed=1", ""),
                  ("the panels and the text", "#house=Davion&size=Company&seed=1", panels),
                  ("a search", "#house=Wolf&size=Galaxy&vehicles=1&seed=2", search)]
        for name, fragment, act in states:
            with self.subTest(name):
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
                    {"name": "prefers-color-scheme", "value": "dark" if name == "dark" else "light"}]})
                self.open(PAGE.as_uri() + fragment)
                self.driver.execute_script(act)
                if name == "a search":
                    self.wait_for(lambda: self.driver.find_element("id", "Searching").is_displayed(),
                                  "the busy sign")
                self.driver.execute_script(axe)
                # WCAG 2.1 A and AA and the best practices, "Label in Name" among them.
                found = self.driver.execute_async_script(
                    "const done = arguments[0];"
                    "axe.run(document, {resultTypes: ['violations', 'incomplete'], runOnly: {type:"
                    " 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']}"
                    "}).then((result) =>"
                    " done([result.violations, result.incomplete.filter((rule) => rule.id === "
                    "'color-contrast')].map((rules) => rules.map((rule) => rule.id + ': ' + "
                    "rule.nodes.map((node) => node.target).join(' ')))))")
                self.assertEqual(found, [[], []])
                # The search, however long axe took, ends here.
                self.driver.execute_script("document.getElementById('CancelSearch').click();"
                                           "document.getElementById('SeedBox').value = ''")
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        # Speech input says what it sees: each button's name begins with its words.
        self.open(PAGE.as_uri() + "#house=Wolf&size=Galaxy&vehicles=1&seed=4")
        misnamed = self.driver.execute_script(
            "return [...document.querySelectorAll('button')].filter((button) =>"
            " button.ariaLabel !== null && !button.ariaLabel.startsWith(button.textContent.trim()))"
            ".map((button) => button.ariaLabel)")
        self.assertEqual(misnamed, [])

    def test_the_printed_sheet_can_be_drawn_again_and_a_company_fits_one_page(self):
        import base64

        self.open(PAGE.as_uri() + "#house=Davion&size=Company&seed=1")
        after_paint(self.driver)
        for edited in (False, True):
            if edited:
                self.driver.execute_script("document.getElementById('MechBox').value += '\\nmy note'")
            pdf = self.folder / "sheet.pdf"
            pdf.write_bytes(base64.b64decode(self.driver.execute_cdp_cmd(
                "Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"]))
            text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                  text=True, check=True).stdout
            self.assertEqual(text.count("\f"), 1)
            lines = [line.strip() for line in text.splitlines() if line.strip()]
            self.assertEqual(lines[:3], ["Musterwright", "Faction: Davion \u00b7 Size: Company \u00b7 "
                                         "Weight: Random \u00b7 Experience: Random \u00b7 vehicles left out",
                                         "Seed: 1"])
            self.assertEqual("my note" in text, edited)
            self.assertEqual("Lance 1 \u00b7 " in text, not edited)

    def test_the_page_needs_no_network(self):
        requests = []

        class Server(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                requests.append(self.path)

        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), lambda *a: Server(*a, directory=str(PAGE_BUILD)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            fragment = "#house=Davion&size=Company&seed=3"
            self.open(f"http://127.0.0.1:{server.server_port}/musterwright.html{fragment}")
            served = self.value("MechBox")
            # A budget's search, made by the worker the page starts from its own file.
            self.open(f"http://127.0.0.1:{server.server_port}/musterwright.html"
                      "#house=Davion&size=Company&seed=7&points=16000-18000")
            budgeted = subprocess.run([CLI, "--faction", "Davion", "--size", "Company", "--seed",
                                       "7", "--points", "16000-18000", "--tables",
                                       SOURCE / "data/Tables.dat"], capture_output=True, text=True)
            self.assertEqual(self.value("MechBox") + "\n", budgeted.stdout)
            self.assertEqual(set(requests), {"/musterwright.html"})
        finally:
            server.shutdown()
            server.server_close()
        self.driver.set_network_conditions(offline=True, latency=0, download_throughput=0,
                                           upload_throughput=0)
        try:
            self.open(PAGE.as_uri() + fragment)
            self.assertEqual(self.value("MechBox"), served)
        finally:
            self.driver.delete_network_conditions()
        self.assertLessEqual(PAGE.stat().st_size, 1 << 20)
        shown = self.driver.execute_script(
            "return performance.getEntriesByName('first force')[0].startTime - "
            "performance.getEntriesByType('navigation')[0].loadEventStart")
        print(f"page: {PAGE.stat().st_size} bytes; first force {shown:.0f} ms after load")


if __name__ == "__main__":
    if missing_tools():
        print("skipped: the page's tests need " + ", ".join(missing_tools()))
        sys.exit(77)
    subprocess.run(["bash", SOURCE / "scripts/build-web.sh", PAGE_BUILD], check=True)
    sys.exit(not unittest.main(argv=sys.argv[:1], exit=False).result.wasSuccessful())
