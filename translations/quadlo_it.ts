<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Punti e quadrati per un giocatore contro il computer.
Tre livelli di gioco: Facile, Medio e Arduo.
Realizzato dagli sviluppatori di Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Regole di Quadlo</translation>
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
        <translation>Lo scopo di Quadlo è completare il maggior numero
di quadrati. Per formare un quadrato, fai clic sullo
spazio orizzontale o verticale tra due punti. Dopo
ogni tua mossa, il computer farà la sua. Quando tu o
il computer completate un quadrato, al suo interno
compare un grosso punto del colore del giocatore che
lo ha completato, e quel giocatore muove ancora una
volta. Ogni partita finisce quando tutti i 25 quadrati
sono stati formati, e vince il giocatore che ne ha
completati di più.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>Informazioni su Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Hai vinto con %n quadrato completato.</numerusform>
            <numerusform>Hai vinto con %n quadrati completati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>Il computer ha vinto con %n quadrato completato.</numerusform>
            <numerusform>Il computer ha vinto con %n quadrati completati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Impossibile salvare la partita in %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>Impossibile aprire %1: non è un file regolare.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 è troppo grande per essere una partita di Quadlo salvata.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 non è una partita di Quadlo salvata: la riga %2 non è uno dei suoi comandi: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 non è una partita di Quadlo salvata: non contiene alcun comando.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Hai preso un quadrato.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Hai preso %n quadrato.</numerusform>
            <numerusform>Hai preso %n quadrati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>Il computer ha tracciato un lato</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>Il computer ha tracciato %n lato</numerusform>
            <numerusform>Il computer ha tracciato %n lati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 e preso un quadrato</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 e preso %n quadrato</numerusform>
            <numerusform>%1 e preso %n quadrati</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Tocca a te.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partita finita.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l’output</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; non è nessuno tra 1/0, true/false, yes/no, on/off; le mosse del computer vengono mostrate una alla volta</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>non impostato</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Punti e quadrati su una griglia di sei per sei punti contro il computer.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Mostra le mosse del computer tutte insieme anziché una alla volta (anche QUADLO_INSTANT=1, true, yes o on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>impossibile aprire la finestra del gioco: nessun display X11 o Wayland raggiungibile (DISPLAY %1, WAYLAND_DISPLAY %2); avvia Quadlo da una sessione desktop</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>tuo</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>del computer</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libero</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Lato verticale nella colonna %1 tra le righe %2 e %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Lato orizzontale nella riga %1 tra le colonne %2 e %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>mossa migliore</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>perde un quadrato</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>perde %n quadrato</numerusform>
            <numerusform>perde %n quadrati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Arduo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Segni dei giocatori</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>Mosse &amp;istantanee</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Punti umano %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Punti computer %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Annulla mossa</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Cerco la mossa migliore…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Giocando al meglio vinci di %n quadrato.</numerusform>
            <numerusform>Giocando al meglio vinci di %n quadrati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Giocando al meglio il computer vince di %n quadrato.</numerusform>
            <numerusform>Giocando al meglio il computer vince di %n quadrati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Giocando al meglio vinci (di almeno %n quadrato).</numerusform>
            <numerusform>Giocando al meglio vinci (di almeno %n quadrati).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Giocando al meglio il computer vince (di almeno %n quadrato).</numerusform>
            <numerusform>Giocando al meglio il computer vince (di almeno %n quadrati).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>Mostra il &amp;turno</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>Mostra i &amp;valori</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>Il computer sta muovendo…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>&amp;Salva partita…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>A&amp;pri partita…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Partite di Quadlo (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Tutti i file (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Gioca contro l’&amp;esperto</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Rivedi la partita</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Rivedi la partita (Ctrl+G) ripercorre le tue mosse.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>L&apos;inizio della partita.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>in valutazione…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>non deciso.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>una delle mosse migliori.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>ha perso un quadrato.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>ha perso %n quadrato.</numerusform>
            <numerusform>ha perso %n quadrati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Lato %1 di %2, tua mossa %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Lato %1 di %2, del computer.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Punto di svolta: tua mossa %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Nessun punto di svolta.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Nessun punto di svolta tra le mosse decise.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Sinistra e Destra scorrono, T va al punto di svolta, Esc chiude la revisione.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Memoria insufficiente per cercare la mossa migliore.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Al meglio: vinci di %n.</numerusform>
            <numerusform>Al meglio: vinci di %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Al meglio: vinci di %n o più.</numerusform>
            <numerusform>Al meglio: vinci di %n o più.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Al meglio: perdi di %n.</numerusform>
            <numerusform>Al meglio: perdi di %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Al meglio: perdi di %n o più.</numerusform>
            <numerusform>Al meglio: perdi di %n o più.</numerusform>
        </translation>
    </message>
</context>
</TS>
