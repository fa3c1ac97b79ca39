<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <source>Dots and squares for one player against the computer.<byte value="xd"/>
Three levels of play: Easy, Medium and Hard.<byte value="xd"/>
Made by the Quadlo developers.</source>
        <translation>Points et carrés pour un joueur contre l’ordinateur.
Trois niveaux de jeu&#xa0;: Facile, Moyen et Dur.
Réalisé par les développeurs de Quadlo.</translation>
    </message>
    <message>
        <source>Rules of Quadlo</source>
        <translation>Règles de Quadlo</translation>
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
        <translation>Le but de Quadlo est de compléter le plus grand nombre
de carrés. Pour former un carré, cliquez sur l’espace
horizontal ou vertical entre deux points. Après chacun
de vos coups, l’ordinateur joue à son tour. Quand vous
ou l’ordinateur complétez un carré, un gros point de la
couleur du joueur qui l’a complété apparaît à l’intérieur.
Ce joueur rejoue alors aussitôt. Chaque partie se termine
lorsque les 25 carrés sont formés, et le joueur qui a
complété le plus de carrés gagne.</translation>
    </message>
    <message>
        <source>About Quadlo</source>
        <translation>À propos de Quadlo</translation>
    </message>
    <message numerus="yes">
        <source>You win with %n squares completed.</source>
        <translation>
            <numerusform>Vous gagnez avec %n carré complété.</numerusform>
            <numerusform>Vous gagnez avec %n carrés complétés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer wins with %n squares completed.</source>
        <translation>
            <numerusform>L’ordinateur gagne avec %n carré complété.</numerusform>
            <numerusform>L’ordinateur gagne avec %n carrés complétés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>La partie n’a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: it is not a regular file.</source>
        <translation>%1 n’a pas pu être ouvert&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n’a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a saved Quadlo game.</source>
        <translation>%1 est trop volumineux pour être une partie de Quadlo enregistrée.</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: line %2 is not one of its commands: %3</source>
        <translation>%1 n’est pas une partie de Quadlo enregistrée&#xa0;: la ligne %2 n’est pas l’une de ses commandes&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is not a saved Quadlo game: it holds no commands.</source>
        <translation>%1 n’est pas une partie de Quadlo enregistrée&#xa0;: il ne contient aucune commande.</translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>You took a square.</source>
        <translation>Vous avez pris un carré.</translation>
    </message>
    <message numerus="yes">
        <source>You took %n squares.</source>
        <translation>
            <numerusform>Vous avez pris %n carré.</numerusform>
            <numerusform>Vous avez pris %n carrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer drew an edge</source>
        <translation>L&apos;ordinateur a tracé un trait</translation>
    </message>
    <message numerus="yes">
        <source>Computer drew %n edges</source>
        <translation>
            <numerusform>L&apos;ordinateur a tracé %n trait</numerusform>
            <numerusform>L&apos;ordinateur a tracé %n traits</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and took a square</source>
        <translation>%1 et pris un carré</translation>
    </message>
    <message numerus="yes">
        <source>%1 and took %n squares</source>
        <translation>
            <numerusform>%1 et pris %n carré</numerusform>
            <numerusform>%1 et pris %n carrés</numerusform>
        </translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>La partie est finie.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d’écrire la sortie</translation>
    </message>
    <message>
        <source>QUADLO_INSTANT=&apos;%1&apos; is none of 1/0, true/false, yes/no, on/off; the computer&apos;s moves are shown one by one</source>
        <translation>QUADLO_INSTANT=&apos;%1&apos; n’est aucune des valeurs 1/0, true/false, yes/no, on/off&#xa0;; les coups de l’ordinateur sont montrés un par un</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>Dots and squares on a grid of six by six dots against the computer.</source>
        <translation>Points et carrés sur une grille de six points sur six contre l’ordinateur.</translation>
    </message>
    <message>
        <source>Shows the computer&apos;s moves at once instead of one by one (also QUADLO_INSTANT=1, true, yes or on).</source>
        <translation>Montre tous les coups de l’ordinateur à la fois plutôt qu’un par un (aussi QUADLO_INSTANT=1, true, yes ou on).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>cannot open the game&apos;s window: no X11 or Wayland display could be reached (DISPLAY %1, WAYLAND_DISPLAY %2); start Quadlo from a desktop session</source>
        <translation>impossible d’ouvrir la fenêtre du jeu&#xa0;: aucun affichage X11 ou Wayland n’est joignable (DISPLAY %1, WAYLAND_DISPLAY %2)&#xa0;; lancez Quadlo depuis une session de bureau</translation>
    </message>
</context>
<context>
    <name>quadlo::BoardView</name>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>à l&apos;ordinateur</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Vertical edge in column %1 between rows %2 and %3, %4</source>
        <translation>Trait vertical en colonne %1 entre les lignes %2 et %3, %4</translation>
    </message>
    <message>
        <source>Horizontal edge in row %1 between columns %2 and %3, %4</source>
        <translation>Trait horizontal en ligne %1 entre les colonnes %2 et %3, %4</translation>
    </message>
    <message>
        <source>best move</source>
        <translation>meilleur coup</translation>
    </message>
    <message>
        <source>loses a square</source>
        <translation>perd un carré</translation>
    </message>
    <message numerus="yes">
        <source>loses %n squares</source>
        <translation>
            <numerusform>perd %n carré</numerusform>
            <numerusform>perd %n carrés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quadlo::frmQuadlo</name>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Owner &amp;Marks</source>
        <translation>&amp;Marques des joueurs</translation>
    </message>
    <message>
        <source>&amp;Instant Turns</source>
        <translation>Coups &amp;instantanés</translation>
    </message>
    <message>
        <source>Human score %1</source>
        <translation>Score humain %1</translation>
    </message>
    <message>
        <source>Computer score %1</source>
        <translation>Score ordinateur %1</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Thinking about the best move…</source>
        <translation>Recherche du meilleur coup…</translation>
    </message>
    <message numerus="yes">
        <source>With best play you win by %n.</source>
        <translation>
            <numerusform>En jouant au mieux, vous gagnez de %n carré.</numerusform>
            <numerusform>En jouant au mieux, vous gagnez de %n carrés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins by %n.</source>
        <translation>
            <numerusform>En jouant au mieux, l&apos;ordinateur gagne de %n carré.</numerusform>
            <numerusform>En jouant au mieux, l&apos;ordinateur gagne de %n carrés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play you win (by at least %n).</source>
        <translation>
            <numerusform>En jouant au mieux, vous gagnez (d&apos;au moins %n carré).</numerusform>
            <numerusform>En jouant au mieux, vous gagnez (d&apos;au moins %n carrés).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With best play the computer wins (by at least %n).</source>
        <translation>
            <numerusform>En jouant au mieux, l&apos;ordinateur gagne (d&apos;au moins %n carré).</numerusform>
            <numerusform>En jouant au mieux, l&apos;ordinateur gagne (d&apos;au moins %n carrés).</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;Turn</source>
        <translation>Afficher le &amp;tour</translation>
    </message>
    <message>
        <source>Show &amp;Values</source>
        <translation>Afficher les &amp;valeurs</translation>
    </message>
    <message>
        <source>The computer is moving…</source>
        <translation>L’ordinateur joue…</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>&amp;Enregistrer la partie…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>&amp;Ouvrir une partie…</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Quadlo games (%1)</source>
        <translation>Parties de Quadlo (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
    <message>
        <source>Play the &amp;Expert</source>
        <translation>Jouer contre l’&amp;expert</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Revoir la partie</translation>
    </message>
    <message>
        <source>Review Game (Ctrl+G) goes through your moves.</source>
        <translation>Revoir la partie (Ctrl+G) repasse vos coups.</translation>
    </message>
    <message>
        <source>The start of the game.</source>
        <translation>Le début de la partie.</translation>
    </message>
    <message>
        <source>being judged…</source>
        <translation>en cours d&apos;évaluation…</translation>
    </message>
    <message>
        <source>not decided.</source>
        <translation>non tranché.</translation>
    </message>
    <message>
        <source>a best move.</source>
        <translation>un des meilleurs coups.</translation>
    </message>
    <message>
        <source>lost a square.</source>
        <translation>a perdu un carré.</translation>
    </message>
    <message numerus="yes">
        <source>lost %n squares.</source>
        <translation>
            <numerusform>a perdu %n carré.</numerusform>
            <numerusform>a perdu %n carrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edge %1 of %2, your move %3: %4</source>
        <translation>Trait %1 sur %2, votre coup %3 : %4</translation>
    </message>
    <message>
        <source>Edge %1 of %2, the computer&apos;s.</source>
        <translation>Trait %1 sur %2, de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Turning point: your move %1.</source>
        <translation>Tournant : votre coup %1.</translation>
    </message>
    <message>
        <source>No turning point.</source>
        <translation>Aucun tournant.</translation>
    </message>
    <message>
        <source>No turning point among the decided moves.</source>
        <translation>Aucun tournant parmi les coups tranchés.</translation>
    </message>
    <message>
        <source>Left and Right step, T the turning point, Esc ends the review.</source>
        <translation>Gauche et Droite avancent, T va au tournant, Échap termine la revue.</translation>
    </message>
    <message>
        <source>Not enough memory to find the best move.</source>
        <translation>Pas assez de mémoire pour chercher le meilleur coup.</translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n.</source>
        <translation>
            <numerusform>Au mieux, vous gagnez de %n.</numerusform>
            <numerusform>Au mieux, vous gagnez de %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you win by %n or more.</source>
        <translation>
            <numerusform>Au mieux, vous gagnez de %n ou plus.</numerusform>
            <numerusform>Au mieux, vous gagnez de %n ou plus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n.</source>
        <translation>
            <numerusform>Au mieux, vous perdez de %n.</numerusform>
            <numerusform>Au mieux, vous perdez de %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best play: you lose by %n or more.</source>
        <translation>
            <numerusform>Au mieux, vous perdez de %n ou plus.</numerusform>
            <numerusform>Au mieux, vous perdez de %n ou plus.</numerusform>
        </translation>
    </message>
</context>
</TS>
