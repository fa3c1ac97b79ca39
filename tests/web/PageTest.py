#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page played in a real browser: Debian's chromium, headless, driven
# through Debian's chromedriver by Selenium, on the page as make web builds
# it, served from this process on 127.0.0.1. Each test starts a fresh
# browser with a profile of its own, so that no View choice carries over.
#
# Usage: PageTest.py PAGE-DIR [PageTest.test_NAME...]
# Exits 77 (skipped) when chromium, chromedriver, Selenium or the page is
# missing (scripts/install-deps --web installs them; make web builds the page).
import functools
import http.server
import os
import re
import shutil
import sys
import tempfile
import threading
import unittest
from xml.etree import ElementTree

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
PAGE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else ""
SOURCES = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    webdriver = None

# An edge's element, by family (1 vertical, 2 horizontal) and index 1..30.
EDGE = '#lblGameboard .edge[data-family="{}"][data-index="{}"]'
# Every edge's owner, "a", "h" or "c", in one string.
OWNERS = """return [...document.querySelectorAll('#lblGameboard .edge')].map(
    e => e.classList.contains('h') ? 'h' : e.classList.contains('c') ? 'c' : 'a').join('');"""
# A press and a release of the pointer at the middle of an edge, dispatched
# in one script, followed at once by the owners: what the page shows in the
# same moment that the click has been handled.
CLICK_AND_LOOK = """const edge = arguments[0];
const r = edge.getBoundingClientRect();
const at = {clientX: r.left + r.width / 2, clientY: r.top + r.height / 2, button: 0,
    pointerType: 'mouse', bubbles: true, isPrimary: true};
edge.dispatchEvent(new PointerEvent('pointerdown', at));
edge.dispatchEvent(new PointerEvent('pointerup', at));
""" + OWNERS


class Server:
    """The page served on 127.0.0.1 from a thread of this process."""

    def __init__(self, directory):
        handler = functools.partial(QuietHandler, directory=directory)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class PageTest(unittest.TestCase):
    server = None

    @classmethod
    def setUpClass(cls):
        cls.server = Server(PAGE)

    def setUp(self):
        self.driver = None
        self.profiles = []
        self.start("en-US")

    def start(self, language, touch=False):
        """A browser that prefers `language`, with a profile of its own, on the page."""
        if self.driver:
            self.driver.quit()
        self.profiles.append(tempfile.mkdtemp(prefix="quadlo-chromium-"))
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run",
                     "--window-size=500,800", "--lang=" + language):
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profiles[-1])
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        if touch:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
        self.driver.get(self.server.url)
        self.wait(lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))

    def tearDown(self):
        # Whatever the test did, the page logged no error on the way.
        errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.driver.quit()
        for profile in self.profiles:
            shutil.rmtree(profile, ignore_errors=True)
        self.assertEqual(errors, [])

    def wait(self, condition, seconds=10):
        return WebDriverWait(self.driver, seconds).until(condition)

    def edge(self, family, index):
        return self.driver.find_element(By.CSS_SELECTOR, EDGE.format(family, index))

    def owners(self):
        return self.driver.execute_script(OWNERS)

    def open_edges(self):
        return self.driver.find_elements(By.CSS_SELECTOR, "#lblGameboard .edge:not(.h):not(.c)")

    def menu_title(self, title):
        """A menu's title, by its English caption in any language."""
        return self.driver.find_element(By.CSS_SELECTOR, f'.menu-title[data-tr="&{title}"]')

    def menu(self, title, item):
        self.menu_title(title).click()
        self.driver.find_element(By.ID, item).click()

    def control(self, key):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()

    def status_line(self):
        return self.driver.find_element(By.ID, "lblHint").text

    def human_to_move(self):
        return self.driver.execute_script("return window.quadlo.presenter.board.humanToMove "
                                          "&& !window.quadlo.presenter.showing()")

    def test_a_click_draws_a_red_edge_and_the_computer_answers_after_its_pause(self):
        seen = self.driver.execute_script(CLICK_AND_LOOK, self.edge(2, 1))
        # Element order: vertical i, horizontal i, so horizontal 1 is second.
        self.assertEqual(seen[1], "h")
        self.assertNotIn("c", seen, "the computer's edge showed without its pause")
        answered = self.wait(lambda d: "c" in self.owners() and self.owners())
        self.assertEqual(answered.count("h"), 1)
        # The computer's last edge carries its mark.
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, ".edge.c.last")), 1)

    def test_the_keyboard_draws_the_edge_under_the_cursor(self):
        # The focus starts on the selected level; Tab takes it to the board.
        active = self.driver.switch_to.active_element
        self.assertEqual(active.get_attribute("name"), "level")
        actions = ActionChains(self.driver)
        actions.send_keys(Keys.TAB).send_keys(Keys.ARROW_RIGHT).send_keys(Keys.ENTER).perform()
        focused = self.driver.switch_to.active_element
        self.assertEqual(focused.get_attribute("aria-label"),
                         "Horizontal edge in row 1 between columns 2 and 3, yours")
        self.assertIn("h", self.edge(2, 2).get_attribute("class").split())

    def test_a_whole_game_ends_with_the_result(self):
        self.menu("View", "mnuInstantTurns")
        while not self.driver.find_element(By.ID, "box").is_displayed():
            open_edges = self.open_edges()
            self.assertTrue(open_edges, "every edge is drawn and no result shows")
            self.driver.execute_script(CLICK_AND_LOOK, open_edges[0])
        result = self.driver.find_element(By.ID, "boxText").text
        human = int(self.driver.find_element(By.ID, "lblScore1").text)
        computer = int(self.driver.find_element(By.ID, "lblScore2").text)
        self.assertEqual(human + computer, 25)
        expected = (f"You win with {human} squares completed." if human > computer
                    else f"The computer wins with {computer} squares completed.")
        self.assertEqual(result, expected)
        self.assertNotIn("a", self.owners())
        # The page is too narrow for the result beside the form: it opens
        # below the scores, which it announces too.
        box_top, scores_bottom = self.driver.execute_script(
            "return [document.getElementById('box').getBoundingClientRect().top,"
            " document.getElementById('lblScore1').getBoundingClientRect().bottom];")
        self.assertGreaterEqual(box_top, scores_bottom)

    def test_take_back_restores_the_board(self):
        self.menu("View", "mnuInstantTurns")
        self.driver.execute_script(CLICK_AND_LOOK, self.edge(1, 1))
        before = self.owners()
        scores = (self.driver.find_element(By.ID, "lblScore1").text,
                  self.driver.find_element(By.ID, "lblScore2").text)
        self.driver.execute_script(CLICK_AND_LOOK, self.open_edges()[0])
        self.assertNotEqual(self.owners(), before)
        self.control("z")
        self.assertEqual(self.owners(), before)
        self.assertEqual((self.driver.find_element(By.ID, "lblScore1").text,
                          self.driver.find_element(By.ID, "lblScore2").text), scores)
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, ".edge.c.last")), 1)

    def test_a_hint_comes_while_the_page_goes_on(self):
        # On the empty board the solver searches for long; the page plays on.
        self.menu("Help", "mnuHint")
        self.assertEqual(self.status_line(), "Thinking about the best move…")
        seen = self.driver.execute_script(CLICK_AND_LOOK, self.edge(1, 7))
        self.assertEqual(seen.count("h"), 1)
        self.wait(lambda d: "c" in self.owners())
        # Late in a game the solver settles the position: a best edge is
        # outlined and the line says by how much best play wins.
        self.menu("View", "mnuInstantTurns")
        while len(self.open_edges()) > 22 or not self.human_to_move():
            self.driver.execute_script(CLICK_AND_LOOK, self.open_edges()[0])
        self.control("h")
        verdict = self.wait(lambda d: re.fullmatch(r"With best play (you|the computer) wins? by \d+\.",
                                                   self.status_line()), seconds=120)
        self.assertTrue(verdict)
        hinted = self.driver.find_elements(By.CSS_SELECTOR, ".edge.hint")
        self.assertEqual(len(hinted), 1)
        self.assertIn(hinted[0], self.open_edges())

    def test_the_expert_answers_in_the_computers_seat(self):
        self.menu("View", "mnuExpert")
        options = self.driver.find_elements(By.CSS_SELECTOR, "#options input")
        self.assertEqual([o.is_enabled() or o.is_selected() for o in options], [False, False, False])
        self.driver.execute_script(CLICK_AND_LOOK, self.edge(2, 1))
        self.wait(lambda d: "c" in self.owners())
        self.menu("View", "mnuExpert")
        self.assertEqual([o.is_selected() for o in options], [False, True, False])

    def test_a_tap_draws_the_edge_under_the_finger(self):
        self.start("en-US", touch=True)
        edge = self.edge(2, 8)
        x, y = self.driver.execute_script("const r = arguments[0].getBoundingClientRect();"
                                          "return [r.left + r.width / 2, r.bottom + 2];", edge)
        # Just below the bar, within the margin a finger is given.
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
        self.wait(lambda d: "h" in edge.get_attribute("class").split())

    def test_the_view_choices_are_kept_from_visit_to_visit(self):
        self.menu("View", "mnuOwnerMarks")
        self.menu("View", "mnuShowTurn")
        self.driver.refresh()
        self.wait(lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
        checked = {item: self.driver.find_element(By.ID, item).get_attribute("aria-checked")
                   for item in ("mnuOwnerMarks", "mnuInstantTurns", "mnuShowTurn", "mnuShowValues")}
        self.assertEqual(checked, {"mnuOwnerMarks": "true", "mnuInstantTurns": "false",
                                   "mnuShowTurn": "true", "mnuShowValues": "false"})
        self.assertEqual(self.status_line(), "Your move.")

    def test_an_open_menu_has_the_keyboard_wherever_the_focus_is(self):
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        cursor = self.driver.switch_to.active_element
        view = self.menu_title("View")
        marks = self.driver.find_element(By.ID, "mnuOwnerMarks")
        # A click opens the menu and leaves the focus on the board.
        view.click()
        self.assertTrue(self.driver.execute_script("return arguments[0].innerText", marks).startswith("Owner Marks"))
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.assertFalse(marks.is_displayed())
        self.assertEqual(self.driver.switch_to.active_element, cursor)
        view.click()
        ActionChains(self.driver).send_keys(Keys.ARROW_DOWN).perform()
        self.assertEqual(self.driver.switch_to.active_element, marks)
        # The board's cursor stayed where it was.
        self.assertEqual(cursor.get_attribute("tabindex"), "0")
        # A command's underlined letter runs it; the focus goes back.
        letter = marks.find_element(By.TAG_NAME, "u").text
        ActionChains(self.driver).send_keys(letter.lower()).perform()
        self.assertEqual(marks.get_attribute("aria-checked"), "true")
        self.assertFalse(marks.is_displayed())
        self.assertEqual(self.driver.switch_to.active_element, cursor)

    def test_the_rules_and_the_menus_fit_a_phone_screen(self):
        self.start("de-DE")
        self.driver.set_window_size(390, 844)
        self.menu_title("View").click()
        right, width = self.driver.execute_script(
            "return [document.getElementById('mnuExpert').getBoundingClientRect().right, innerWidth];")
        self.assertLessEqual(right, width)
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.control("r")
        self.wait(lambda d: d.find_element(By.ID, "box").is_displayed())
        left, right, width = self.driver.execute_script(
            "const r = document.getElementById('box').getBoundingClientRect(); return [r.left, r.right, innerWidth];")
        self.assertGreaterEqual(left, 0)
        self.assertLessEqual(right, width)

    def test_the_board_keeps_its_size_when_the_hint_line_goes(self):
        width = "return document.getElementById('lblGameboard').getBoundingClientRect().width"
        self.control("h")
        with_line = self.driver.execute_script(width)
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.assertFalse(self.driver.find_element(By.ID, "lblHint").is_displayed())
        self.assertEqual(self.driver.execute_script(width), with_line)

    def test_the_page_speaks_the_language_the_browser_prefers(self):
        catalogue = ElementTree.parse(os.path.join(SOURCES, "translations", "quadlo_de.ts"))
        translated = {m.findtext("source"): m.findtext("translation") for m in catalogue.iter("message")}
        self.start("de-DE")
        self.assertEqual(self.driver.find_element(By.ID, "lblHuman").text, translated["Human"])
        self.assertEqual(self.driver.find_element(By.ID, "lblGameboard").get_attribute("aria-label"),
                         translated["Board"])
        name = translated["Horizontal edge in row %1 between columns %2 and %3, %4"]
        expected = name.replace("%1", "1").replace("%2", "1").replace("%3", "2").replace("%4", translated["open"])
        self.assertEqual(self.edge(2, 1).get_attribute("aria-label"), expected)


def main():
    if webdriver is None or not os.path.exists(CHROMIUM) or not os.path.exists(CHROMEDRIVER):
        print("skipped: chromium, chromedriver or Selenium is missing (scripts/install-deps --web)")
        return 77
    if not os.path.exists(os.path.join(PAGE, "quadlo.wasm")):
        print(f"skipped: no page in {PAGE!r} (make web)")
        return 77
    program = unittest.main(argv=[sys.argv[0]] + sys.argv[2:], exit=False)
    return 0 if program.result.wasSuccessful() else 1


sys.exit(main())
