<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Stippen en vierkanten voor één speler tegen de computer.
Drie niveaus: Licht, Middel en Zwaar.
Gemaakt door de ontwikkelaars van Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Spelregels van Quadlo</translation>
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
        <translation>Het doel van Quadlo is zo veel mogelijk vierkanten
te voltooien. Om een vierkant te maken, klikt u op de
horizontale of verticale ruimte tussen twee stippen.
Na elke zet van u is de computer aan de beurt. Als u
of de computer een vierkant voltooit, verschijnt erin
een grote stip in de kleur van de speler die het heeft
voltooid. Die speler is dan meteen nog een keer aan de
beurt. Elk spel eindigt wanneer alle 25 vierkanten
gevormd zijn, en wie de meeste vierkanten heeft
voltooid, wint.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>Over Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>U wint met %n voltooid vierkant.</numerusform>
            <numerusform>U wint met %n voltooide vierkanten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>De computer wint met %n voltooid vierkant.</numerusform>
            <numerusform>De computer wint met %n voltooide vierkanten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Het spel kon niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>%1 kon niet worden geopend: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 is te groot voor een opgeslagen Quadlo-spel.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 is geen opgeslagen Quadlo-spel: regel %2 is geen van zijn opdrachten: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 is geen opgeslagen Quadlo-spel: het bevat geen opdrachten.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Je hebt een vierkant genomen.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Je hebt %n vierkant genomen.</numerusform>
            <numerusform>Je hebt %n vierkanten genomen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>De computer trok een lijn</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>De computer trok %n lijn</numerusform>
            <numerusform>De computer trok %n lijnen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 en nam een vierkant</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 en nam %n vierkant</numerusform>
            <numerusform>%1 en nam %n vierkanten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Jij bent aan zet.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Het spel is uit.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>kan de uitvoer niet schrijven</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; is geen van 1/0, true/false, yes/no, on/off; de zetten van de computer worden een voor een getoond</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Stippen en vierkanten op een rooster van zes bij zes stippen tegen de computer.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Toont de zetten van de computer in één keer in plaats van een voor een (ook QUADLO_INSTANT=1, true, yes of on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>kan het spelvenster niet openen: geen X11- of Wayland-scherm bereikbaar (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo vanuit een bureaubladsessie</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>van jou</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>van de computer</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Verticale lijn in kolom %1 tussen de rijen %2 en %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Horizontale lijn in rij %1 tussen de kolommen %2 en %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>beste zet</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>verliest een vierkant</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>verliest %n vierkant</numerusform>
            <numerusform>verliest %n vierkanten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Moeilijkheid</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zwaar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Quadlo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Eigenaarstekens</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>&amp;Directe zetten</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Score mens %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Score computer %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>Zet &amp;terugnemen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>De beste zet wordt gezocht…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Met het beste spel win je met %n vierkant verschil.</numerusform>
            <numerusform>Met het beste spel win je met %n vierkanten verschil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Met het beste spel wint de computer met %n vierkant verschil.</numerusform>
            <numerusform>Met het beste spel wint de computer met %n vierkanten verschil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Met het beste spel win je (met minstens %n vierkant verschil).</numerusform>
            <numerusform>Met het beste spel win je (met minstens %n vierkanten verschil).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Met het beste spel wint de computer (met minstens %n vierkant verschil).</numerusform>
            <numerusform>Met het beste spel wint de computer (met minstens %n vierkanten verschil).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>&amp;Beurt tonen</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>&amp;Waarden tonen</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>De computer is aan zet…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>Spel op&amp;slaan…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>Spel &amp;openen…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Quadlo-spellen (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Alle bestanden (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>&amp;Tegen de expert spelen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>Spel &amp;nabespreken</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Spel nabespreken (Ctrl+G) loopt je zetten door.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>Het begin van het spel.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>wordt beoordeeld…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>niet beslist.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>een beste zet.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>kostte een vierkant.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>kostte %n vierkant.</numerusform>
            <numerusform>kostte %n vierkanten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Lijn %1 van %2, jouw zet %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Lijn %1 van %2, van de computer.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Keerpunt: jouw zet %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Geen keerpunt.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Geen keerpunt onder de besliste zetten.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Links en Rechts bladeren, T naar het keerpunt, Esc stopt de nabespreking.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Niet genoeg geheugen om de beste zet te zoeken.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Beste spel: je wint met %n.</numerusform>
            <numerusform>Beste spel: je wint met %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Beste spel: je wint met %n of meer.</numerusform>
            <numerusform>Beste spel: je wint met %n of meer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Beste spel: je verliest met %n.</numerusform>
            <numerusform>Beste spel: je verliest met %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Beste spel: je verliest met %n of meer.</numerusform>
            <numerusform>Beste spel: je verliest met %n of meer.</numerusform>
        </translation>
    </message>
</context>
</TS>
