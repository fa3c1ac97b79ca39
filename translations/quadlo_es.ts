<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Puntos y cuadrados para un jugador contra el ordenador.
Tres niveles de juego: Fácil, Medio y Difícil.
Hecho por los desarrolladores de Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Reglas de Quadlo</translation>
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
        <translation>El objetivo de Quadlo es completar el mayor número
de cuadrados. Para formar cuadrados, haga clic en el
espacio horizontal o vertical entre dos puntos. Después
de cada una de sus jugadas, el ordenador hará la suya.
Cuando usted o el ordenador completan un cuadrado,
aparece dentro un punto grande del color del jugador
que lo ha completado, y ese jugador vuelve a jugar.
Cada partida termina cuando se han formado los 25
cuadrados, y gana el jugador que haya completado más.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>Acerca de Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Usted gana con %n cuadrado completado.</numerusform>
            <numerusform>Usted gana con %n cuadrados completados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>El ordenador gana con %n cuadrado completado.</numerusform>
            <numerusform>El ordenador gana con %n cuadrados completados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>No se pudo guardar la partida en %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>No se pudo abrir %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 es demasiado grande para ser una partida guardada de Quadlo.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 no es una partida guardada de Quadlo: la línea %2 no es una de sus órdenes: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 no es una partida guardada de Quadlo: no contiene ninguna orden.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Has tomado un cuadrado.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Has tomado %n cuadrado.</numerusform>
            <numerusform>Has tomado %n cuadrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>El ordenador ha trazado una línea</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>El ordenador ha trazado %n línea</numerusform>
            <numerusform>El ordenador ha trazado %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 y ha tomado un cuadrado</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 y ha tomado %n cuadrado</numerusform>
            <numerusform>%1 y ha tomado %n cuadrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Te toca.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; no es ninguno de 1/0, true/false, yes/no, on/off; las jugadas del ordenador se muestran una a una</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Puntos y cuadrados en una cuadrícula de seis por seis puntos contra el ordenador.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Muestra las jugadas del ordenador todas a la vez en lugar de una a una (también QUADLO_INSTANT=1, true, yes u on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>no se puede abrir la ventana del juego: no se ha podido llegar a ninguna pantalla X11 o Wayland (DISPLAY %1, WAYLAND_DISPLAY %2); inicie Quadlo desde una sesión de escritorio</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>tuya</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>del ordenador</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Línea vertical en la columna %1 entre las filas %2 y %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Línea horizontal en la fila %1 entre las columnas %2 y %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>mejor jugada</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>pierde un cuadrado</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>pierde %n cuadrado</numerusform>
            <numerusform>pierde %n cuadrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Marcas de dueño</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>Jugadas &amp;instantáneas</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Puntos del humano %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Puntos del ordenador %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Buscando la mejor jugada…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Con el mejor juego ganas por %n cuadrado.</numerusform>
            <numerusform>Con el mejor juego ganas por %n cuadrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Con el mejor juego el ordenador gana por %n cuadrado.</numerusform>
            <numerusform>Con el mejor juego el ordenador gana por %n cuadrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Con el mejor juego ganas (por al menos %n cuadrado).</numerusform>
            <numerusform>Con el mejor juego ganas (por al menos %n cuadrados).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Con el mejor juego el ordenador gana (por al menos %n cuadrado).</numerusform>
            <numerusform>Con el mejor juego el ordenador gana (por al menos %n cuadrados).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>Mostrar &amp;turno</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>Mostrar &amp;valores</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>El ordenador está jugando…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>&amp;Guardar partida…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>A&amp;brir partida…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Partidas de Quadlo (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Jugar contra el &amp;experto</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Revisar partida</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Revisar partida (Ctrl+G) repasa tus jugadas.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>El comienzo de la partida.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>en evaluación…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>sin decidir.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>una de las mejores jugadas.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>perdió un cuadrado.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>perdió %n cuadrado.</numerusform>
            <numerusform>perdió %n cuadrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Línea %1 de %2, tu jugada %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Línea %1 de %2, del ordenador.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Punto de inflexión: tu jugada %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Sin punto de inflexión.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Sin punto de inflexión entre las jugadas decididas.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Izquierda y Derecha avanzan, T va al punto de inflexión, Esc termina la revisión.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>No hay memoria suficiente para buscar la mejor jugada.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Mejor juego: ganas por %n.</numerusform>
            <numerusform>Mejor juego: ganas por %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Mejor juego: ganas por %n o más.</numerusform>
            <numerusform>Mejor juego: ganas por %n o más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Mejor juego: pierdes por %n.</numerusform>
            <numerusform>Mejor juego: pierdes por %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Mejor juego: pierdes por %n o más.</numerusform>
            <numerusform>Mejor juego: pierdes por %n o más.</numerusform>
        </translation>
    </message>
</context>
</TS>
