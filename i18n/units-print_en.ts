<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>BookDiagrams</name>
    <message>
        <source>lèvre</source>
        <translation>lip</translation>
    </message>
</context>
<context>
    <name>BuildBook</name>
    <message>
        <source>Découper les flancs et leurs éclisses</source>
        <translation>Cut the side panels and their splice plates</translation>
    </message>
    <message>
        <source>Monter les flancs et les tasseaux de chaque courbe</source>
        <translation>Assemble the side panels and ribs of each curve</translation>
    </message>
    <message>
        <source>Monter le cadre du plat</source>
        <translation>Assemble the flat&apos;s frame</translation>
    </message>
    <message>
        <source>Monter les cadres des decks et leurs pieds</source>
        <translation>Assemble the deck frames and their legs</translation>
    </message>
    <message>
        <source>Assembler les sections</source>
        <translation>Join the sections</translation>
    </message>
    <message>
        <source>Poser la surface, de la couche du bas vers le haut</source>
        <translation>Lay the surface, from the bottom layer up</translation>
    </message>
    <message>
        <source>Poser le coping</source>
        <translation>Fit the coping</translation>
    </message>
</context>
<context>
    <name>CutLayout</name>
    <message>
        <source>pivot à %1 au-dessus du pied</source>
        <translation>pivot %1 above the toe</translation>
    </message>
    <message>
        <source>%1, éclisse %2/%3</source>
        <translation>%1, splice plate %2/%3</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Rampe : courbe gauche R %1, H %2, plateforme %3 — plat %4 — courbe droite R %5, H %6, plateforme %7 — largeur %8.</source>
        <translation>Ramp: left curve R %1, H %2, deck %3 — flat %4 — right curve R %5, H %6, deck %7 — width %8.</translation>
    </message>
    <message>
        <source>Construction : surface %1, flancs %2, cadre du plat %3, tasseaux %4</source>
        <translation>Construction: surface %1, side panels %2, flat frame %3, ribs %4</translation>
    </message>
    <message>
        <source>, tube de coping Ø %1 dépassant de %2</source>
        <translation>, coping pipe Ø %1 standing out by %2</translation>
    </message>
    <message>
        <source>%1 ; longueur %2, hauteur %3, rayon du cadre %4, tasseaux par flanc : %5.</source>
        <translation>%1; length %2, height %3, frame radius %4, ribs per side panel: %5.</translation>
    </message>
    <message>
        <source>100 mm × 100 mm</source>
        <translation>100 mm × 100 mm</translation>
    </message>
    <message>
        <source>4 po × 4 po (101,6 mm)</source>
        <translation>4 in × 4 in (101.6 mm)</translation>
    </message>
    <message>
        <source>Les ordonnées et la méthode du cordeau, page suivante, se tracent sans imprimante. Les tuiles se recouvrent de %1 : coupez une tuile sur le pointillé, posez-la sur sa voisine en alignant les croix, collez. La ligne de sol et la verticale du pied se posent sur le bord inférieur de la feuille et sur la verticale tracée à l&apos;équerre.</source>
        <translation>The ordinates and the string method, next page, are drawn without a printer. The tiles overlap by %1: cut a tile along the dotted line, lay it on its neighbour with the crosses lined up, glue. The ground line and the toe&apos;s vertical go on the sheet&apos;s bottom edge and on the vertical drawn with a square.</translation>
    </message>
    <message>
        <source>Feuille posée à plat, son bord inférieur sur le sol. Tracez la verticale du pied à %1 du bout arrière, puis, tous les %2 depuis cette verticale vers l&apos;arrière, et tous les %3 de hauteur là où la courbe monte à plus de 45°, reportez la hauteur de la courbe au-dessus du sol et reliez les points avec une latte souple.</source>
        <translation>With the sheet lying flat, its bottom edge on the ground, draw the toe&apos;s vertical %1 from the back end; then, every %2 from that vertical toward the back, and every %3 of height where the curve rises steeper than 45°, mark the curve&apos;s height above the ground and join the points with a flexible batten.</translation>
    </message>
    <message>
        <source>Hauteur (%1)</source>
        <translation>Height (%1)</translation>
    </message>
    <message>
        <source>Le pivot est à la verticale du pied, à %1 au-dessus du sol (%2 au-dessus du pied), hors de la feuille : fixez-y une planche. Plantez un clou au pivot ; avec une ficelle ou une latte percée de %3 entre le clou et la pointe du crayon (le rayon du cadre), tracez l&apos;arc du pied (%4 du sol) jusqu&apos;à %5 du sol, à %6 du bout arrière.</source>
        <translation>The pivot stands on the toe&apos;s vertical, %1 above the ground (%2 above the toe), off the sheet: fix a board there. Drive a nail at the pivot; with a string or a batten drilled %3 between the nail and the pencil&apos;s point (the frame radius), draw the arc from the toe (%4 from the ground) up to %5 from the ground, %6 from the back end.</translation>
    </message>
    <message>
        <source> Puis tracez le mur vertical jusqu&apos;à %1 du sol.</source>
        <translation> Then draw the vertical wall up to %1 from the ground.</translation>
    </message>
    <message>
        <source>%1 · ligne %2, colonne %3</source>
        <translation>%1 · row %2, column %3</translation>
    </message>
    <message>
        <source>Quarvel · %1 · taille réelle (1:1) · %2</source>
        <translation>Quarvel · %1 · actual size (1:1) · %2</translation>
    </message>
    <message>
        <source>%1 (sous un joint)</source>
        <translation>%1 (under a seam)</translation>
    </message>
    <message>
        <source>tube Ø %1</source>
        <translation>pipe Ø %1</translation>
    </message>
    <message>
        <source>coupe (éclisse de %1)</source>
        <translation>cut (%1 splice plate)</translation>
    </message>
    <message>
        <source>éclisse %1/%2, face intérieure</source>
        <translation>splice plate %1/%2, inner face</translation>
    </message>
    <message>
        <source>pivot (rayon du cadre %1)</source>
        <translation>pivot (frame radius %1)</translation>
    </message>
    <message>
        <source>pivot %1 plus haut,</source>
        <translation>pivot %1 higher,</translation>
    </message>
    <message>
        <source>à %1 du sol</source>
        <translation>%1 from the ground</translation>
    </message>
</context>
</TS>
