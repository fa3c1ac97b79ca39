<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Pontos e quadrados para um jogador contra o computador.
Três níveis de jogo: Fácil, Médio e Difícil.
Feito pelos desenvolvedores do Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Regras do Quadlo</translation>
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
        <translation>O objetivo do Quadlo é completar o maior número de
quadrados. Para formar quadrados, clique no espaço
horizontal ou vertical entre dois pontos. Depois de
cada jogada sua, o computador faz a dele. Quando você
ou o computador completa um quadrado, aparece dentro
dele um ponto grande, da cor do jogador que o completou,
e esse jogador joga mais uma vez. Cada partida termina
quando todos os 25 quadrados forem formados, e vence
o jogador que tiver completado mais quadrados.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>Sobre o Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Você venceu com %n quadrado completado.</numerusform>
            <numerusform>Você venceu com %n quadrados completados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>O computador venceu com %n quadrado completado.</numerusform>
            <numerusform>O computador venceu com %n quadrados completados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o jogo em %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>Não foi possível abrir %1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 é grande demais para ser um jogo salvo do Quadlo.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 não é um jogo salvo do Quadlo: a linha %2 não é um dos seus comandos: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 não é um jogo salvo do Quadlo: não contém nenhum comando.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Você pegou um quadrado.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Você pegou %n quadrado.</numerusform>
            <numerusform>Você pegou %n quadrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>O computador traçou uma linha</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>O computador traçou %n linha</numerusform>
            <numerusform>O computador traçou %n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 e pegou um quadrado</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 e pegou %n quadrado</numerusform>
            <numerusform>%1 e pegou %n quadrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fim de jogo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível gravar a saída</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; não é nenhum de 1/0, true/false, yes/no, on/off; as jogadas do computador são mostradas uma a uma</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>não definida</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Pontos e quadrados em uma grade de seis por seis pontos contra o computador.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Mostra todas as jogadas do computador de uma vez em vez de uma a uma (também QUADLO_INSTANT=1, true, yes ou on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>não é possível abrir a janela do jogo: nenhuma tela X11 ou Wayland pôde ser alcançada (DISPLAY %1, WAYLAND_DISPLAY %2); inicie o Quadlo a partir de uma sessão de desktop</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>sua</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>do computador</translation>
    </message>
    <message>
        <source>open</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Linha vertical na coluna %1 entre as fileiras %2 e %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Linha horizontal na fileira %1 entre as colunas %2 e %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>melhor jogada</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>perde um quadrado</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>perde %n quadrado</numerusform>
            <numerusform>perde %n quadrados</numerusform>
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
        <translation>Computador</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Marcas de dono</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>Jogadas &amp;instantâneas</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Pontos do humano %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Pontos do computador %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Voltar jogada</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Procurando a melhor jogada…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>Com o melhor jogo você vence por %n quadrado.</numerusform>
            <numerusform>Com o melhor jogo você vence por %n quadrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>Com o melhor jogo o computador vence por %n quadrado.</numerusform>
            <numerusform>Com o melhor jogo o computador vence por %n quadrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>Com o melhor jogo você vence (por pelo menos %n quadrado).</numerusform>
            <numerusform>Com o melhor jogo você vence (por pelo menos %n quadrados).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>Com o melhor jogo o computador vence (por pelo menos %n quadrado).</numerusform>
            <numerusform>Com o melhor jogo o computador vence (por pelo menos %n quadrados).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>Mostrar &amp;vez</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>Mostrar va&amp;lores</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>O computador está jogando…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>Sa&amp;lvar jogo…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>A&amp;brir jogo…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir jogo</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Jogos do Quadlo (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Todos os arquivos (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Jogar contra o &amp;especialista</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Revisar partida</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Revisar partida (Ctrl+G) repassa suas jogadas.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>O começo da partida.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>em avaliação…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>não decidida.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>uma das melhores jogadas.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>perdeu um quadrado.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>perdeu %n quadrado.</numerusform>
            <numerusform>perdeu %n quadrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Linha %1 de %2, sua jogada %3: %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Linha %1 de %2, do computador.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Ponto de virada: sua jogada %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Sem ponto de virada.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Sem ponto de virada entre as jogadas decididas.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Esquerda e Direita avançam, T vai ao ponto de virada, Esc encerra a revisão.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Memória insuficiente para procurar a melhor jogada.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Melhor jogo: você vence por %n.</numerusform>
            <numerusform>Melhor jogo: você vence por %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Melhor jogo: você vence por %n ou mais.</numerusform>
            <numerusform>Melhor jogo: você vence por %n ou mais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Melhor jogo: você perde por %n.</numerusform>
            <numerusform>Melhor jogo: você perde por %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Melhor jogo: você perde por %n ou mais.</numerusform>
            <numerusform>Melhor jogo: você perde por %n ou mais.</numerusform>
        </translation>
    </message>
</context>
</TS>
