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
</context>
</TS>
