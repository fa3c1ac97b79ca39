<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Kropki i kwadraty dla jednego gracza przeciwko komputerowi.
Trzy poziomy gry: Łatwy, Średni i Ciężki.
Stworzone przez twórców Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Zasady gry Quadlo</translation>
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
        <translation>Celem gry Quadlo jest ukończenie jak największej
liczby kwadratów. Aby utworzyć kwadrat, kliknij
poziomą lub pionową przerwę między dwiema kropkami.
Po każdym twoim ruchu swój ruch wykonuje komputer.
Gdy ty lub komputer ukończycie kwadrat, w jego środku
pojawi się duża kropka w kolorze gracza, który go
ukończył, a ten gracz wykonuje od razu kolejny ruch.
Każda gra kończy się po utworzeniu wszystkich 25
kwadratów. Wygrywa gracz, który ukończył ich najwięcej.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>O programie Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Wygrywasz z %n ukończonym kwadratem.</numerusform>
            <numerusform>Wygrywasz z %n ukończonymi kwadratami.</numerusform>
            <numerusform>Wygrywasz z %n ukończonymi kwadratami.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>Komputer wygrywa z %n ukończonym kwadratem.</numerusform>
            <numerusform>Komputer wygrywa z %n ukończonymi kwadratami.</numerusform>
            <numerusform>Komputer wygrywa z %n ukończonymi kwadratami.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Nie udało się zapisać gry w pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>Nie udało się otworzyć pliku %1: to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Nie udało się otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>Plik %1 jest zbyt duży, by mógł być zapisaną grą Quadlo.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>Plik %1 nie jest zapisaną grą Quadlo: wiersz %2 nie jest żadnym z jej poleceń: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>Plik %1 nie jest zapisaną grą Quadlo: nie zawiera żadnych poleceń.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Zdobywasz kwadrat.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Zdobywasz %n kwadrat.</numerusform>
            <numerusform>Zdobywasz %n kwadraty.</numerusform>
            <numerusform>Zdobywasz %n kwadratów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>Komputer narysował linię</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>Komputer narysował %n linię</numerusform>
            <numerusform>Komputer narysował %n linie</numerusform>
            <numerusform>Komputer narysował %n linii</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 i zdobył kwadrat</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 i zdobył %n kwadrat</numerusform>
            <numerusform>%1 i zdobył %n kwadraty</numerusform>
            <numerusform>%1 i zdobył %n kwadratów</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Twój ruch.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Koniec gry.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>nie można zapisać wyjścia</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; nie jest żadną z wartości 1/0, true/false, yes/no, on/off; ruchy komputera są pokazywane po kolei</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>nieustawiona</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Kropki i kwadraty na siatce sześć na sześć kropek przeciwko komputerowi.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Pokazuje wszystkie ruchy komputera naraz zamiast po kolei (także QUADLO_INSTANT=1, true, yes lub on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>nie można otworzyć okna gry: żaden ekran X11 ani Wayland nie jest osiągalny (DISPLAY %1, WAYLAND_DISPLAY %2); uruchom Quadlo w sesji pulpitu</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>twoja</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>komputera</translation>
    </message>
    <message>
        <source>open</source>
        <translation>wolna</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Linia pionowa w kolumnie %1 między wierszami %2 i %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Linia pozioma w wierszu %1 między kolumnami %2 i %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>najlepszy ruch</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>traci kwadrat</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>traci %n kwadrat</numerusform>
            <numerusform>traci %n kwadraty</numerusform>
            <numerusform>traci %n kwadratów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ciężki</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Znaki właściciela</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>&amp;Natychmiastowe ruchy</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Punkty człowieka %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Punkty komputera %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Cofnij ruch</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Szukam najlepszego ruchu…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Przy najlepszej grze wygrywasz o %n kwadrat.</numerusform>
            <numerusform>Przy najlepszej grze wygrywasz o %n kwadraty.</numerusform>
            <numerusform>Przy najlepszej grze wygrywasz o %n kwadratów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Przy najlepszej grze komputer wygrywa o %n kwadrat.</numerusform>
            <numerusform>Przy najlepszej grze komputer wygrywa o %n kwadraty.</numerusform>
            <numerusform>Przy najlepszej grze komputer wygrywa o %n kwadratów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Przy najlepszej grze wygrywasz (o co najmniej %n kwadrat).</numerusform>
            <numerusform>Przy najlepszej grze wygrywasz (o co najmniej %n kwadraty).</numerusform>
            <numerusform>Przy najlepszej grze wygrywasz (o co najmniej %n kwadratów).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Przy najlepszej grze komputer wygrywa (o co najmniej %n kwadrat).</numerusform>
            <numerusform>Przy najlepszej grze komputer wygrywa (o co najmniej %n kwadraty).</numerusform>
            <numerusform>Przy najlepszej grze komputer wygrywa (o co najmniej %n kwadratów).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>Pokaż &amp;kolej ruchu</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>Pokaż &amp;wartości</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>Komputer wykonuje ruch…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>Zapi&amp;sz grę…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>&amp;Otwórz grę…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Otwórz grę</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Gry Quadlo (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Wszystkie pliki (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Graj z &amp;ekspertem</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Przejrzyj grę</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Przejrzyj grę (Ctrl+G) pokazuje twoje ruchy.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>Początek gry.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>w ocenie…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>nierozstrzygnięty.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>najlepszy ruch.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>stracił kwadrat.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>stracił %n kwadrat.</numerusform>
            <numerusform>stracił %n kwadraty.</numerusform>
            <numerusform>stracił %n kwadratów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Linia %1 z %2, twój ruch %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Linia %1 z %2, komputera.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Punkt zwrotny: twój ruch %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Brak punktu zwrotnego.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Brak punktu zwrotnego wśród rozstrzygniętych ruchów.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>W lewo i w prawo przewijają, T skacze do punktu zwrotnego, Esc kończy przegląd.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Za mało pamięci, by szukać najlepszego ruchu.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Najlepsza gra: wygrywasz o %n.</numerusform>
            <numerusform>Najlepsza gra: wygrywasz o %n.</numerusform>
            <numerusform>Najlepsza gra: wygrywasz o %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Najlepsza gra: wygrywasz o %n lub więcej.</numerusform>
            <numerusform>Najlepsza gra: wygrywasz o %n lub więcej.</numerusform>
            <numerusform>Najlepsza gra: wygrywasz o %n lub więcej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Najlepsza gra: przegrywasz o %n.</numerusform>
            <numerusform>Najlepsza gra: przegrywasz o %n.</numerusform>
            <numerusform>Najlepsza gra: przegrywasz o %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Najlepsza gra: przegrywasz o %n lub więcej.</numerusform>
            <numerusform>Najlepsza gra: przegrywasz o %n lub więcej.</numerusform>
            <numerusform>Najlepsza gra: przegrywasz o %n lub więcej.</numerusform>
        </translation>
    </message>
</context>
</TS>
