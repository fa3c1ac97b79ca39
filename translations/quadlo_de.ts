<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Punkte und Quadrate für einen Spieler gegen den Computer.
Drei Spielstärken: Leicht, Mittel und Stark.
Von den Quadlo-Entwicklern.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Regeln von Quadlo</translation>
    </message>
    <message>
        <source>The goal of Quadlo is to complete the greatest number<byte value="xd"/>
of squares.  To create squares, you must click on the<byte value="xd"/>
horizontal or vertical space between two dots.  After<byte value="xd"/>
each of your moves, the computer will take its turn.<byte value="xd"/>
When you or the computer complete a square, a large<byte value="xd"/>
dot will appear inside the square and will be the color<byte value="xd"/>
of the player who completed the square.  That player<byte value="xd"/>
will also get to take another turn.  Each game ends<byte value="xd"/>
when all 25 squares have been formed, and the player<byte value="xd"/>
who completed the most squares is the winner.</source>
        <translation>Das Ziel von Quadlo ist, möglichst viele Quadrate zu
vervollständigen. Um ein Quadrat zu bilden, klicken Sie
auf den waagerechten oder senkrechten Zwischenraum
zwischen zwei Punkten. Nach jedem Ihrer Züge ist der
Computer an der Reihe. Wenn Sie oder der Computer ein
Quadrat vervollständigen, erscheint darin ein großer
Punkt in der Farbe des Spielers, der es vervollständigt
hat. Dieser Spieler ist dann gleich noch einmal am Zug.
Jedes Spiel endet, wenn alle 25 Quadrate gebildet sind,
und wer die meisten Quadrate vervollständigt hat, gewinnt.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>Über Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Sie gewinnen mit %n vervollständigten Quadrat.</numerusform>
            <numerusform>Sie gewinnen mit %n vervollständigten Quadraten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>Der Computer gewinnt mit %n vervollständigten Quadrat.</numerusform>
            <numerusform>Der Computer gewinnt mit %n vervollständigten Quadraten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 ist zu groß für ein gespeichertes Quadlo-Spiel.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 ist kein gespeichertes Quadlo-Spiel: Zeile %2 ist keiner seiner Befehle: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 ist kein gespeichertes Quadlo-Spiel: Die Datei enthält keine Befehle.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Sie haben ein Quadrat genommen.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Sie haben %n Quadrat genommen.</numerusform>
            <numerusform>Sie haben %n Quadrate genommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>Der Computer hat eine Linie gezogen</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>Der Computer hat %n Linie gezogen</numerusform>
            <numerusform>Der Computer hat %n Linien gezogen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 und ein Quadrat genommen</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 und %n Quadrat genommen</numerusform>
            <numerusform>%1 und %n Quadrate genommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Sie sind am Zug.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Das Spiel ist aus.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; ist keiner der Werte 1/0, true/false, yes/no, on/off; die Züge des Computers werden einzeln gezeigt</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Punkte und Quadrate auf einem Raster von sechs mal sechs Punkten gegen den Computer.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Zeigt die Züge des Computers auf einmal statt einzeln (auch QUADLO_INSTANT=1, true, yes oder on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>das Spielfenster kann nicht geöffnet werden: keine X11- oder Wayland-Anzeige ist erreichbar (DISPLAY %1, WAYLAND_DISPLAY %2); starten Sie Quadlo in einer Desktop-Sitzung</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>Ihre</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>die des Computers</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Senkrechte Linie in Spalte %1 zwischen den Zeilen %2 und %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Waagrechte Linie in Zeile %1 zwischen den Spalten %2 und %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>bester Zug</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>verliert ein Quadrat</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>verliert %n Quadrat</numerusform>
            <numerusform>verliert %n Quadrate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quadlo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Besitzzeichen</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>&amp;Sofortige Züge</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Punkte Mensch %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Punkte Computer %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Der beste Zug wird gesucht …</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Mit bestem Spiel gewinnen Sie mit %n Quadrat Vorsprung.</numerusform>
            <numerusform>Mit bestem Spiel gewinnen Sie mit %n Quadraten Vorsprung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Mit bestem Spiel gewinnt der Computer mit %n Quadrat Vorsprung.</numerusform>
            <numerusform>Mit bestem Spiel gewinnt der Computer mit %n Quadraten Vorsprung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Mit bestem Spiel gewinnen Sie (mit mindestens %n Quadrat Vorsprung).</numerusform>
            <numerusform>Mit bestem Spiel gewinnen Sie (mit mindestens %n Quadraten Vorsprung).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Mit bestem Spiel gewinnt der Computer (mit mindestens %n Quadrat Vorsprung).</numerusform>
            <numerusform>Mit bestem Spiel gewinnt der Computer (mit mindestens %n Quadraten Vorsprung).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>&amp;Zug anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>&amp;Werte anzeigen</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>Der Computer zieht…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>Spiel &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>Spiel ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Quadlo-Spiele (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Gegen den &amp;Experten spielen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>Partie &amp;durchgehen</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Partie durchgehen (Strg+G) zeigt Ihre Züge noch einmal.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>Der Anfang der Partie.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>wird bewertet…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>nicht entschieden.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>ein bester Zug.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>hat ein Quadrat verschenkt.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>hat %n Quadrat verschenkt.</numerusform>
            <numerusform>hat %n Quadrate verschenkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Linie %1 von %2, Ihr Zug %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Linie %1 von %2, vom Computer.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Wendepunkt: Ihr Zug %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Kein Wendepunkt.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Kein Wendepunkt unter den entschiedenen Zügen.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Links und Rechts blättern, T zum Wendepunkt, Esc beendet die Durchsicht.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Nicht genug Speicher, um den besten Zug zu suchen.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Bestes Spiel: Sie gewinnen mit %n Vorsprung.</numerusform>
            <numerusform>Bestes Spiel: Sie gewinnen mit %n Vorsprung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Bestes Spiel: Sie gewinnen mit %n oder mehr Vorsprung.</numerusform>
            <numerusform>Bestes Spiel: Sie gewinnen mit %n oder mehr Vorsprung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Bestes Spiel: Sie verlieren mit %n Rückstand.</numerusform>
            <numerusform>Bestes Spiel: Sie verlieren mit %n Rückstand.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Bestes Spiel: Sie verlieren mit %n oder mehr Rückstand.</numerusform>
            <numerusform>Bestes Spiel: Sie verlieren mit %n oder mehr Rückstand.</numerusform>
        </translation>
    </message>
</context>
</TS>
