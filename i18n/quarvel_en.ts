<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>BmpFile</name>
    <message>
        <source>Erreur d&apos;écriture dans le flux</source>
        <translation>Stream write error</translation>
    </message>
</context>
<context>
    <name>BookCommand</name>
    <message>
        <source>Option incorrecte : --paper %1 (a4 ou letter)</source>
        <translation>Invalid option: --paper %1 (a4 or letter)</translation>
    </message>
</context>
<context>
    <name>BookDiagrams</name>
    <message>
        <source>lèvre</source>
        <translation>lip</translation>
    </message>
</context>
<context>
    <name>BookDocument</name>
    <message>
        <source>Tableau sans colonnes</source>
        <translation>Table without columns</translation>
    </message>
    <message>
        <source>Ligne de tableau de %1 cellules pour %2 colonnes</source>
        <translation>Table row of %1 cells for %2 columns</translation>
    </message>
    <message>
        <source>Dessin trop grand pour la page : %1 × %2 mm</source>
        <translation>Drawing too large for the page: %1 × %2 mm</translation>
    </message>
    <message>
        <source>Image vide</source>
        <translation>Empty image</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>page %1 / %2</source>
        <translation>page %1 / %2</translation>
    </message>
    <message>
        <source>Impossible de produire le livret PDF</source>
        <translation>Could not produce the build book PDF</translation>
    </message>
    <message>
        <source>Un élément du livret est plus haut qu&apos;une page (%1 mm)</source>
        <translation>An item of the build book is taller than a page (%1 mm)</translation>
    </message>
</context>
<context>
    <name>BuildBook</name>
    <message>
        <source>Livret de construction</source>
        <translation>Build book</translation>
    </message>
    <message>
        <source>La rampe terminée</source>
        <translation>The finished ramp</translation>
    </message>
    <message>
        <source>Rampe terminée</source>
        <translation>Finished ramp</translation>
    </message>
    <message>
        <source>Longueur hors tout</source>
        <translation>Overall length</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Feuilles</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>Planches</source>
        <translation>Boards</translation>
    </message>
    <message>
        <source>Fixations</source>
        <translation>Fasteners</translation>
    </message>
    <message>
        <source>Coût</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Réglage</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Les gabarits des flancs à taille réelle s&apos;impriment à part (quarvel-cli template), à l&apos;échelle 1 : ce livret n&apos;en reproduit pas les tracés.</source>
        <translation>The full-size side panel templates are printed separately (quarvel-cli template), at 1:1 scale: this book does not reproduce their drawings.</translation>
    </message>
    <message>
        <source>Liste d&apos;achats</source>
        <translation>Shopping list</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Qté</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Détail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Prix indicatifs (magasin de bricolage, 2026) : donnez les vôtres avec --prices FICHIER.</source>
        <translation>Indicative prices (home improvement store, 2026): give your own with --prices FILE.</translation>
    </message>
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
    <message>
        <source>Étape %1 : %2</source>
        <translation>Step %1: %2</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Montage</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <source>La rampe après l&apos;étape %1</source>
        <translation>The ramp after step %1</translation>
    </message>
    <message>
        <source>Aucune pièce nouvelle : les sections se posent de niveau et d&apos;équerre, puis se vissent ensemble.</source>
        <translation>No new parts: set the sections level and square, then screw them together.</translation>
    </message>
    <message>
        <source>Rien à faire à cette étape pour cette rampe.</source>
        <translation>Nothing to do at this step for this ramp.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Fixations :</source>
        <translation>Fasteners:</translation>
    </message>
    <message>
        <source>Découpe des feuilles</source>
        <translation>Sheet cutting</translation>
    </message>
    <message>
        <source>Les flancs et les éclisses sur les feuilles de %1, à l&apos;échelle ; les numéros renvoient à la liste sous chaque feuille.</source>
        <translation>The side panels and splice plates on the %1 sheets, to scale; the numbers refer to the list under each sheet.</translation>
    </message>
    <message>
        <source>Feuille %1 sur %2</source>
        <translation>Sheet %1 of %2</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Pièce</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>%1 ; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Découpe des planches</source>
        <translation>Board cutting</translation>
    </message>
    <message>
        <source>plate-forme gauche</source>
        <translation>left deck</translation>
    </message>
    <message>
        <source>roulage</source>
        <translation>riding surface</translation>
    </message>
    <message>
        <source>plate-forme droite</source>
        <translation>right deck</translation>
    </message>
    <message>
        <source>La surface, couche par couche</source>
        <translation>The surface, layer by layer</translation>
    </message>
    <message>
        <source>Partie</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Ossature</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Vue de dessus</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>Vue de côté</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Sol et intempéries</source>
        <translation>Ground and weather</translation>
    </message>
    <message>
        <source>Sur la terre ou l&apos;herbe, les flancs, les longerons et les pieds reposent sur des traverses traitées ou des plots, calés pour que les pieds des courbes affleurent le plat.</source>
        <translation>On soil or grass, the side panels, stringers and legs rest on treated sleepers or pads, shimmed so that the bottoms of the curves sit flush with the flat.</translation>
    </message>
    <message>
        <source>Dehors : contreplaqué extérieur, vis traitées contre la rouille et une bâche.</source>
        <translation>Outdoors: exterior plywood, rust-resistant screws and a tarp.</translation>
    </message>
    <message>
        <source>Une plate-forme à plus de 1 m du sol demande un garde-corps.</source>
        <translation>A deck more than 1 m above the ground needs a guardrail.</translation>
    </message>
    <message>
        <source>Rampe : deck gauche %1, rayon %2, hauteur %3 ; plat %4 ; rayon %5, hauteur %6, deck droit %7 ; largeur %8.</source>
        <translation>Ramp: left deck %1, radius %2, height %3; flat %4; radius %5, height %6, right deck %7; width %8.</translation>
    </message>
    <message>
        <source>Dimensions (%1)</source>
        <translation>Dimensions (%1)</translation>
    </message>
    <message>
        <source>Coin bas gauche (%1)</source>
        <translation>Lower left corner (%1)</translation>
    </message>
    <message>
        <source>Encombrement (%1)</source>
        <translation>Overall size (%1)</translation>
    </message>
    <message>
        <source>%1 × planche de %2 : %3 ; chute %4</source>
        <translation>%1 × board of %2: %3; offcut %4</translation>
    </message>
    <message>
        <source>Chaque planche à l&apos;échelle, ses morceaux dans l&apos;ordre de la coupe (longueurs en %1, trait de scie de %2), la chute hachurée.</source>
        <translation>Each board to scale, its pieces in cutting order (lengths in %1, saw kerf %2), the offcut hatched.</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>%1 feuilles en tout : chaque bande ci-dessus, coupée dans le petit côté d&apos;une feuille, pour chaque largeur (%2)</source>
        <translation>%1 sheets in all: each strip above, cut from the short side of a sheet, for each width (%2)</translation>
    </message>
    <message>
        <source>Chaque couche d&apos;une plate-forme à l&apos;autre, à l&apos;échelle, en commençant par celle du bas : ses morceaux et leurs longueurs (%1), un triangle sous chaque joint pour le tasseau ou la solive qui le porte. Chaque morceau couvre toute la largeur de la rampe.</source>
        <translation>Each layer from one deck to the other, to scale, starting with the bottom one: its pieces and their lengths (%1), a triangle under each seam for the rib or joist that carries it. Each piece covers the whole width of the ramp.</translation>
    </message>
    <message>
        <source>%1 (%2, de bas en haut : %3 sur %4)</source>
        <translation>%1 (%2, from the bottom up: %3 of %4)</translation>
    </message>
    <message>
        <source>Depuis l&apos;arrière gauche (%1)</source>
        <translation>From the left back end (%1)</translation>
    </message>
    <message>
        <source>Longueur (%1)</source>
        <translation>Length (%1)</translation>
    </message>
    <message>
        <source>La rampe sans sa surface : les flancs, tasseaux, solives, longerons, pieds et écharpes, vus de dessus puis de côté, à l&apos;échelle.</source>
        <translation>The ramp without its surface: the side panels, ribs, joists, stringers, legs and braces, seen from above then from the side, to scale.</translation>
    </message>
</context>
<context>
    <name>ChartArea</name>
    <message>
        <source>Plate-forme gauche:</source>
        <translation>Left deck:</translation>
    </message>
    <message>
        <source>Longueur</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Plat:</source>
        <translation>Flat:</translation>
    </message>
    <message>
        <source>Plate-forme droite:</source>
        <translation>Right deck:</translation>
    </message>
    <message>
        <source>Courbe  gauche:</source>
        <translation>Left curve:</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Rayon</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Longueur au sol</source>
        <translation>Ground length</translation>
    </message>
    <message>
        <source>Longueur arc de la courbe</source>
        <translation>Curve arc length</translation>
    </message>
    <message>
        <source>Courbe droite:</source>
        <translation>Right curve:</translation>
    </message>
    <message>
        <source>Largeur:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Longueur totale:</source>
        <translation>Total length:</translation>
    </message>
    <message>
        <source>(longueurs en centimètres)</source>
        <translation>(lengths in centimetres)</translation>
    </message>
    <message>
        <source>Ecrivez votre titre ici.</source>
        <translation>Write your title here.</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Out of memory</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <source>gauche</source>
        <translation>left</translation>
    </message>
    <message>
        <source>droite</source>
        <translation>right</translation>
    </message>
    <message>
        <source>courbe %1</source>
        <translation>%1 curve</translation>
    </message>
    <message>
        <source>courbes %1 et %2</source>
        <translation>%1 and %2 curves</translation>
    </message>
    <message>
        <source>1 flanc à découper : %1</source>
        <translation>1 side panel to cut: %1</translation>
    </message>
    <message>
        <source>%1 flancs à découper : %2</source>
        <translation>%1 side panels to cut: %2</translation>
    </message>
    <message>
        <source>Flanc %1</source>
        <translation>Side panel, %1</translation>
    </message>
    <message>
        <source>%1, morceau %2/%3</source>
        <translation>%1, piece %2/%3</translation>
    </message>
    <message>
        <source>Éclisse %1 %2/%3</source>
        <translation>Splice plate, %1 %2/%3</translation>
    </message>
    <message>
        <source>Flanc trop grand pour les feuilles</source>
        <translation>Side panel too large for the sheets</translation>
    </message>
    <message>
        <source>plate-forme %1</source>
        <translation>%1 deck</translation>
    </message>
    <message>
        <source>Tasseau courbe gauche</source>
        <translation>Rib, left curve</translation>
    </message>
    <message>
        <source>Tasseau courbe droite</source>
        <translation>Rib, right curve</translation>
    </message>
    <message>
        <source>Solive plate-forme gauche</source>
        <translation>Joist, left deck</translation>
    </message>
    <message>
        <source>Solive plate-forme droite</source>
        <translation>Joist, right deck</translation>
    </message>
    <message>
        <source>Cale de coping, %1</source>
        <translation>Coping block, %1</translation>
    </message>
    <message>
        <source>Longeron du plat</source>
        <translation>Flat stringer</translation>
    </message>
    <message>
        <source>Solive du plat</source>
        <translation>Flat joist</translation>
    </message>
    <message>
        <source>Longeron, %1</source>
        <translation>Stringer, %1</translation>
    </message>
    <message>
        <source>Lisse arrière, %1</source>
        <translation>Back rim, %1</translation>
    </message>
    <message>
        <source>Lisse avant, %1</source>
        <translation>Front rim, %1</translation>
    </message>
    <message>
        <source>Lisse des flancs, %1</source>
        <translation>Side panel rim, %1</translation>
    </message>
    <message>
        <source>Solive du cadre, %1</source>
        <translation>Frame joist, %1</translation>
    </message>
    <message>
        <source>Pied, %1</source>
        <translation>Leg, %1</translation>
    </message>
    <message>
        <source>Écharpe, %1</source>
        <translation>Brace, %1</translation>
    </message>
    <message>
        <source>Contreplaqué de surface, couche %1</source>
        <translation>Surface plywood, layer %1</translation>
    </message>
    <message>
        <source>Coping (tube acier)</source>
        <translation>Coping (steel pipe)</translation>
    </message>
    <message>
        <source>Feuille pour flancs</source>
        <translation>Sheet for side panels</translation>
    </message>
    <message>
        <source>Courbe %1, couche %2 (%3) : rayon de %4, plus serré que les %5 auxquels cette épaisseur se cintre à sec</source>
        <translation>%1 curve, layer %2 (%3): %4 radius, tighter than the %5 this thickness bends to dry</translation>
    </message>
    <message>
        <source>Courbe %1 : flanc coupé à %2 du pied le long de la courbe</source>
        <translation>%1 curve: side panel cut %2 from the bottom along the curve</translation>
    </message>
    <message>
        <source>Courbe %1 : flanc coupé verticalement à %2 de son arrière</source>
        <translation>%1 curve: side panel cut vertically %2 from its back end</translation>
    </message>
    <message>
        <source>Courbe %1 : flanc coupé horizontalement à %2 du sol</source>
        <translation>%1 curve: side panel cut horizontally %2 above the ground</translation>
    </message>
    <message>
        <source> ; une éclisse de %1 de large, dans le même contreplaqué, collée et vissée sur la face intérieure, relie les morceaux</source>
        <translation>; a %1 wide splice plate of the same plywood, glued and screwed to the inner face, joins the pieces</translation>
    </message>
</context>
<context>
    <name>ConstructionArguments</name>
    <message>
        <source>Option incorrecte : %1 %2 (%3)</source>
        <translation>Invalid option: %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Option incorrecte : --preset %1 (%2)</source>
        <translation>Bad option: --preset %1 (%2)</translation>
    </message>
    <message>
        <source>Option incorrecte : --units %1 (mm ou in)</source>
        <translation>Bad option: --units %1 (mm or in)</translation>
    </message>
</context>
<context>
    <name>ConstructionPlan</name>
    <message>
        <source>%1 à %2 pour la plate-forme %3</source>
        <translation>%1 to %2 for the %3 deck</translation>
    </message>
    <message>
        <source>Réglage de construction incorrect : back=%1 (le cadre de la %2 mesurerait %3 mm ; il en faut au moins %4 pour ses deux lisses et un pied)</source>
        <translation>Incorrect construction setting: back=%1 (the frame of the %2 would measure %3 mm; it needs at least %4 for its two rims and a leg)</translation>
    </message>
    <message>
        <source>Réglage de construction incorrect : coping=%1 (la courbe %2, haute de %3 mm, est trop basse pour le tube ; coping=0 la construit sans tube)</source>
        <translation>Incorrect construction setting: coping=%1 (the %2 curve, %3 mm high, is too low for the pipe; coping=0 builds it without a pipe)</translation>
    </message>
    <message>
        <source>Réglage de construction incorrect : panel=%1 (la largeur de la rampe, %2 mm, doit être d&apos;au moins 2 × panel + 100 = %3 mm)</source>
        <translation>Incorrect construction setting: panel=%1 (the ramp&apos;s width, %2 mm, must be at least 2 × panel + 100 = %3 mm)</translation>
    </message>
</context>
<context>
    <name>ConstructionSettings</name>
    <message>
        <source>%1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Couches de surface (mm)</source>
        <translation>Surface layers (mm)</translation>
    </message>
    <message>
        <source>couches</source>
        <translation>layers</translation>
    </message>
    <message>
        <source>Épaisseur des flancs (mm)</source>
        <translation>Side panel thickness (mm)</translation>
    </message>
    <message>
        <source>Hauteur du cadre du plat (mm)</source>
        <translation>Flat frame height (mm)</translation>
    </message>
    <message>
        <source>Flancs sous la plate-forme %1 (mm)</source>
        <translation>Side panels under the %1 deck (mm)</translation>
    </message>
    <message>
        <source>- ou de min(150, plate-forme) à la longueur de la plate-forme</source>
        <translation>- or from min(150, deck) to the deck&apos;s length</translation>
    </message>
    <message>
        <source>longueur de la plate-forme</source>
        <translation>deck length</translation>
    </message>
    <message>
        <source>Écart maximal entre flancs (mm)</source>
        <translation>Maximum side panel spacing (mm)</translation>
    </message>
    <message>
        <source>Section des tasseaux (mm)</source>
        <translation>Rib section (mm)</translation>
    </message>
    <message>
        <source>Écart maximal entre tasseaux (mm)</source>
        <translation>Maximum rib spacing (mm)</translation>
    </message>
    <message>
        <source>Écart maximal entre solives (mm)</source>
        <translation>Maximum joist spacing (mm)</translation>
    </message>
    <message>
        <source>Diamètre du coping (mm, 0 : sans)</source>
        <translation>Coping diameter (mm, 0: none)</translation>
    </message>
    <message>
        <source>Dépassement du coping (mm)</source>
        <translation>Coping reveal (mm)</translation>
    </message>
    <message>
        <source>Format des feuilles (mm)</source>
        <translation>Sheet size (mm)</translation>
    </message>
    <message>
        <source>Trait de scie (mm)</source>
        <translation>Saw kerf (mm)</translation>
    </message>
    <message>
        <source>Section des pieds (mm)</source>
        <translation>Leg section (mm)</translation>
    </message>
    <message>
        <source>Longueurs de bois en vente (mm)</source>
        <translation>Timber stock lengths (mm)</translation>
    </message>
    <message>
        <source>longueurs</source>
        <translation>lengths</translation>
    </message>
    <message>
        <source>Réglage par défaut incorrect : %1</source>
        <translation>Incorrect default setting: %1</translation>
    </message>
    <message>
        <source>Réglage de construction incorrect : %1=%2 (%3)</source>
        <translation>Incorrect construction setting: %1=%2 (%3)</translation>
    </message>
    <message>
        <source>réglage inconnu</source>
        <translation>unknown setting</translation>
    </message>
    <message>
        <source>1 à %1 %2, chacune de %3</source>
        <translation>1 to %1 %2, each %3</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>%1, petit côté d&apos;abord</source>
        <translation>%1, short side first</translation>
    </message>
    <message>
        <source>0, ou %1</source>
        <translation>0, or %1</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Amérique du Nord</source>
        <translation>North America</translation>
    </message>
    <message>
        <source>profondeur des tasseaux à %1</source>
        <translation>rib depth to %1</translation>
    </message>
</context>
<context>
    <name>ConstructionSettingsDialog</name>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Taille réelle</source>
        <translation>Full size</translation>
    </message>
    <message>
        <source>Réglages de construction</source>
        <translation>Construction settings</translation>
    </message>
    <message>
        <source>Papier des gabarits</source>
        <translation>Template paper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Valeurs par défaut</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Choisir…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Préréglages</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>millimètres</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>pieds et pouces</source>
        <translation>feet and inches</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>CutLayout</name>
    <message>
        <source>%1, morceau %2/%3</source>
        <translation>%1, piece %2/%3</translation>
    </message>
    <message>
        <source>%1, éclisse %2/%3</source>
        <translation>%1, splice plate %2/%3</translation>
    </message>
    <message>
        <source>Feuille %1/%2</source>
        <translation>Sheet %1/%2</translation>
    </message>
    <message>
        <source>Pièce placée sur une courbe sans flanc</source>
        <translation>Part placed for a curve without side panels</translation>
    </message>
    <message>
        <source>Aucun flanc à découper</source>
        <translation>No side panel to cut</translation>
    </message>
    <message>
        <source>pivot à %1 au-dessus du pied</source>
        <translation>pivot %1 above the toe</translation>
    </message>
</context>
<context>
    <name>CutList</name>
    <message>
        <source>sur chant entre les longerons, à l&apos;arrière du cadre</source>
        <translation>on edge between the stringers, at the back of the frame</translation>
    </message>
    <message>
        <source>sur chant entre les longerons, boulonnée à la lisse des flancs (2 boulons par travée)</source>
        <translation>on edge between the stringers, bolted to the side panel rim (2 bolts per bay)</translation>
    </message>
    <message>
        <source>en diagonale, du haut d&apos;un pied au bas du suivant</source>
        <translation>diagonally, from the top of one leg to the bottom of the next</translation>
    </message>
    <message>
        <source>Vis de surface</source>
        <translation>Surface screw</translation>
    </message>
    <message>
        <source>Vis droite de tasseau ou de solive</source>
        <translation>Straight rib or joist screw</translation>
    </message>
    <message>
        <source>Vis en biais</source>
        <translation>Toe screw</translation>
    </message>
    <message>
        <source>Vis d&apos;éclisse</source>
        <translation>Splice plate screw</translation>
    </message>
    <message>
        <source>Tire-fond de coping</source>
        <translation>Coping lag screw</translation>
    </message>
    <message>
        <source>Boulon de carrosserie</source>
        <translation>Carriage bolt</translation>
    </message>
    <message>
        <source>Équerre de pied</source>
        <translation>Leg angle bracket</translation>
    </message>
    <message>
        <source>Vis d&apos;équerre</source>
        <translation>Angle bracket screw</translation>
    </message>
    <message>
        <source>Vis d&apos;écharpe</source>
        <translation>Brace screw</translation>
    </message>
    <message>
        <source>Colle à bois (g)</source>
        <translation>Wood glue (g)</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>chute %1</source>
        <translation>offcut %1</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 × (%2)</source>
        <translation>%1 × (%2)</translation>
    </message>
    <message>
        <source>flancs</source>
        <translation>side panels</translation>
    </message>
    <message>
        <source>surface, couches %1</source>
        <translation>surface, layers %1</translation>
    </message>
    <message>
        <source>Feuille de contreplaqué</source>
        <translation>Plywood sheet</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Tube acier de coping</source>
        <translation>Steel coping pipe</translation>
    </message>
    <message>
        <source>à poser : %1</source>
        <translation>to fit: %1</translation>
    </message>
    <message>
        <source>sur chant, un par ligne de flancs, sur les pieds</source>
        <translation>on edge, one per line of side panels, on the legs</translation>
    </message>
    <message>
        <source>sur chant, un par ligne de flancs, posé au sol</source>
        <translation>on edge, one per line of side panels, on the ground</translation>
    </message>
    <message>
        <source>, au-dessus d&apos;un pied</source>
        <translation>, above a leg</translation>
    </message>
    <message>
        <source>, sur une solive doublée</source>
        <translation>, on a doubled joist</translation>
    </message>
    <message>
        <source>du pied le long de la courbe</source>
        <translation>from the bottom along the curve</translation>
    </message>
    <message>
        <source>de l&apos;arrière, vertical</source>
        <translation>from the back, vertical</translation>
    </message>
    <message>
        <source>du sol, horizontal</source>
        <translation>above the ground, horizontal</translation>
    </message>
    <message>
        <source>%1 pièces de flancs imbriquées</source>
        <translation>%1 side panel parts nested</translation>
    </message>
    <message>
        <source>%1 stations le long de la courbe</source>
        <translation>%1 stations along the curve</translation>
    </message>
    <message>
        <source>sur chant, un par ligne de flancs, d&apos;un pied de courbe à l&apos;autre</source>
        <translation>on edge, one per line of side panels, from the bottom of one curve to the other</translation>
    </message>
    <message>
        <source>plate-forme gauche</source>
        <translation>left deck</translation>
    </message>
    <message>
        <source>de lèvre à lèvre</source>
        <translation>lip to lip</translation>
    </message>
    <message>
        <source>plate-forme droite</source>
        <translation>right deck</translation>
    </message>
    <message>
        <source>surface sans joint</source>
        <translation>surface without joints</translation>
    </message>
    <message>
        <source>Total : %1 %2</source>
        <translation>Total: %1 %2</translation>
    </message>
    <message>
        <source> (prix indicatifs, magasin de bricolage, 2026 ; donnez les vôtres avec --prices FICHIER)</source>
        <translation> (indicative prices, home improvement store, 2026; give your own with --prices FILE)</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>article</source>
        <translation>item</translation>
    </message>
    <message>
        <source>qté</source>
        <translation>qty</translation>
    </message>
    <message>
        <source>longueur</source>
        <translation>length</translation>
    </message>
    <message>
        <source>largeur</source>
        <translation>width</translation>
    </message>
    <message>
        <source>épaisseur</source>
        <translation>thickness</translation>
    </message>
    <message>
        <source>prix</source>
        <translation>price</translation>
    </message>
    <message>
        <source>Avertissements :</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>Longueurs en millimètres.</source>
        <translation>Lengths in millimetres.</translation>
    </message>
    <message>
        <source>Bois %1 en %2</source>
        <translation>Board %1, %2 long</translation>
    </message>
    <message>
        <source>article,quantité,longueur (%1),largeur (%1),épaisseur (%1),remarque,prix</source>
        <translation>item,quantity,length (%1),width (%1),thickness (%1),remark,price</translation>
    </message>
    <message>
        <source>sur chant entre les flancs, contre leur bout arrière, axe à %1 de l&apos;arrière</source>
        <translation>on edge between the side panels, against their back ends, centre %1 from the back</translation>
    </message>
    <message>
        <source>entre les longerons, posée comme les tasseaux, axes à %1 de l&apos;arrière</source>
        <translation>between the stringers, laid like the ribs, centres %1 from the back</translation>
    </message>
    <message>
        <source>%1 sous chaque longeron, axes à %2 de l&apos;arrière, chacun tenu par une équerre</source>
        <translation>%1 under each stringer, centres %2 from the back, each held by an angle bracket</translation>
    </message>
    <message>
        <source>%1 en tout, le moins possible</source>
        <translation>%1 in all, the least possible</translation>
    </message>
    <message>
        <source>%1 en tout ; il en faut au moins %2</source>
        <translation>%1 in all; at least %2 is needed</translation>
    </message>
    <message>
        <source>chacun en %1 morceaux joints à %2 du bout</source>
        <translation>each in %1 pieces joined %2 from the end</translation>
    </message>
    <message>
        <source>sur chant entre les longerons, axes à %1 de l&apos;arrière</source>
        <translation>on edge between the stringers, centres %1 from the back</translation>
    </message>
    <message>
        <source>sur la face intérieure, sur le joint à %1 (%2)</source>
        <translation>on the inner face, over the joint at %1 (%2)</translation>
    </message>
    <message>
        <source>pivot %1 au-dessus du sol, rayon du cadre %2</source>
        <translation>pivot %1 above the ground, frame radius %2</translation>
    </message>
    <message>
        <source> ; en %1 morceaux joints par une éclisse de %2</source>
        <translation>; in %1 pieces joined by a %2 splice plate</translation>
    </message>
    <message>
        <source>axes à %1 de l&apos;arrière</source>
        <translation>centres %1 from the back</translation>
    </message>
    <message>
        <source>sur chant, contre le tube, axe à %1 de l&apos;arrière</source>
        <translation>on edge, against the pipe, centre %1 from the back</translation>
    </message>
    <message>
        <source>sur chant entre les longerons, axes à %1 du bout gauche du plat</source>
        <translation>on edge between the stringers, centres %1 from the flat&apos;s left end</translation>
    </message>
    <message>
        <source>pièces (%1) : %2 ; en travers %3</source>
        <translation>pieces (%1): %2; across %3</translation>
    </message>
    <message>
        <source>joints à %1 du bout gauche de la couche</source>
        <translation>joints %1 from the layer&apos;s left end</translation>
    </message>
    <message>
        <source> ; plate-forme %1 : joints à %2</source>
        <translation>; %1 deck: joints at %2</translation>
    </message>
    <message>
        <source>diamètre extérieur %1, schedule 40 en général</source>
        <translation>outside diameter %1, usually schedule 40</translation>
    </message>
    <message>
        <source>Longueurs en pieds et pouces.</source>
        <translation>Lengths in feet and inches.</translation>
    </message>
</context>
<context>
    <name>ExportName</name>
    <message>
        <source>Le nom du fichier doit finir par %1 : %2</source>
        <translation>The file name must end in %1: %2</translation>
    </message>
    <message>
        <source> ou </source>
        <translation> or </translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Fichier introuvable</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Nom de fichier incorrect</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Trop de fichiers ouverts</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Accès au fichier refusé</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Saisie numérique incorrecte</source>
        <translation>Invalid numeric input</translation>
    </message>
    <message>
        <source>Erreur E/S %1</source>
        <translation>I/O error %1</translation>
    </message>
    <message>
        <source>Plus de place sur le disque</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>Quota de disque dépassé</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Disque en lecture seule</source>
        <translation>Read-only disk</translation>
    </message>
    <message>
        <source>Erreur de lecture ou d&apos;écriture sur le disque</source>
        <translation>Disk read or write error</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier ordinaire</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Erreur d&apos;écriture dans le flux</source>
        <translation>Error writing to the stream</translation>
    </message>
</context>
<context>
    <name>FramingDrawing</name>
    <message>
        <source>Vue de dessus, sans la surface ; en bas, le côté vu de profil</source>
        <translation>Top view, without the surface layer; below, the side seen in profile</translation>
    </message>
</context>
<context>
    <name>FramingText</name>
    <message>
        <source>La dernière est la cale de coping, sur chant contre le tube.</source>
        <translation>The last one is the coping block, on edge against the pipe.</translation>
    </message>
    <message>
        <source>%1 : %2 tasseaux entre chaque paire de flancs, centrés à %3 le long de la courbe du cadre, mesurés depuis le pied de la courbe (son bas, côté plat).</source>
        <translation>%1: %2 ribs between each pair of side panels, at %3 centres along the frame&apos;s curve, measured from the bottom of the curve (its low end, at the flat).</translation>
    </message>
    <message>
        <source>%1 : solives centrées à %2 de l&apos;arrière de la plate-forme (son bout loin de la courbe).</source>
        <translation>%1: joists at %2 centres from the back of the deck (its end away from the curve).</translation>
    </message>
    <message>
        <source>%1 : pieds centrés à %2 de l&apos;arrière de la plate-forme, sous chaque longeron.</source>
        <translation>%1: legs at %2 centres from the back of the deck, under each stringer.</translation>
    </message>
    <message>
        <source>Plat : %1 longerons sur chant, un par ligne de flancs ; solives centrées à %2 du bout gauche du plat (le pied de la courbe gauche), entre les longerons.</source>
        <translation>Flat: %1 stringers on edge, one per line of side panels; joists at %2 centres from the left end of the flat (the bottom of the left curve), between the stringers.</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>Erreur inattendue</source>
        <translation>Unexpected error</translation>
    </message>
</context>
<context>
    <name>LengthUnits</name>
    <message>
        <source>po</source>
        <translation>in</translation>
    </message>
</context>
<context>
    <name>ModelCommand</name>
    <message>
        <source>Option incorrecte : --view et --angle ensemble</source>
        <translation>Invalid option: --view and --angle together</translation>
    </message>
    <message>
        <source>Option incorrecte : --view %1 (iso, front, side ou top)</source>
        <translation>Invalid option: --view %1 (iso, front, side or top)</translation>
    </message>
    <message>
        <source>Option incorrecte : --angle %1 (lacet,tangage en degrés, tangage de -90 à 90)</source>
        <translation>Invalid option: --angle %1 (yaw,pitch in degrees, pitch from -90 to 90)</translation>
    </message>
    <message>
        <source>Option incorrecte : --size %1 (LxH, de %2 à %3 pixels)</source>
        <translation>Invalid option: --size %1 (WxH, from %2 to %3 pixels)</translation>
    </message>
    <message>
        <source>Option incorrecte : --upto %1 (%2 à %3)</source>
        <translation>Invalid option: --upto %1 (%2 to %3)</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être encodée</source>
        <translation>The image could not be encoded</translation>
    </message>
</context>
<context>
    <name>ModelView3D</name>
    <message>
        <source>Glisser pour tourner, molette pour zoomer, double-clic pour revenir</source>
        <translation>Drag to rotate, wheel to zoom, double-click to go back</translation>
    </message>
    <message>
        <source>Aucun modèle</source>
        <translation>No model</translation>
    </message>
</context>
<context>
    <name>Nesting</name>
    <message>
        <source>Nombre de pièces négatif</source>
        <translation>Negative number of parts</translation>
    </message>
    <message>
        <source>Trop de pièces à placer : %1 (%2 au plus)</source>
        <translation>Too many parts to place: %1 (%2 at most)</translation>
    </message>
</context>
<context>
    <name>PanelDrawing</name>
    <message>
        <source>centre à %1 du sol ↑</source>
        <translation>centre %1 above the ground ↑</translation>
    </message>
    <message>
        <source>rayon %1, hauteur %2</source>
        <translation>radius %1, height %2</translation>
    </message>
    <message>
        <source>%1 : %2 à découper</source>
        <translation>%1: %2 to cut</translation>
    </message>
</context>
<context>
    <name>PlanCommand</name>
    <message>
        <source>Fichier de prix incorrect : %1 (trop grand)</source>
        <translation>Invalid price file: %1 (too large)</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Article</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Quantité</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Plan de construction</source>
        <translation>Construction plan</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Gabarits PDF</source>
        <translation>PDF templates</translation>
    </message>
    <message>
        <source>Fichier de découpe</source>
        <translation>Cut file</translation>
    </message>
    <message>
        <source>Livret PDF</source>
        <translation>PDF build book</translation>
    </message>
    <message>
        <source>Liste de découpe</source>
        <translation>Cut list</translation>
    </message>
    <message>
        <source>Flancs</source>
        <translation>Side panels</translation>
    </message>
    <message>
        <source>Feuilles</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Charpente</source>
        <translation>Framing</translation>
    </message>
    <message>
        <source>Glisser pour tourner, molette pour zoomer, double clic pour revenir à la rampe entière ; choisir des lignes de la liste de découpe pour en montrer les pièces</source>
        <translation>Drag to rotate, wheel to zoom, double-click to go back to the whole ramp; select rows of the cut list to show their parts</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Achats</source>
        <translation>Shopping list</translation>
    </message>
    <message>
        <source>Valeurs indicatives</source>
        <translation>Indicative prices</translation>
    </message>
    <message>
        <source>Prix...</source>
        <translation>Prices...</translation>
    </message>
    <message>
        <source> (prix indicatifs)</source>
        <translation> (indicative prices)</translation>
    </message>
    <message>
        <source>Total : %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Prix (%1)</source>
        <translation>Price (%1)</translation>
    </message>
    <message>
        <source>Longueur (%1)</source>
        <translation>Length (%1)</translation>
    </message>
    <message>
        <source>Largeur (%1)</source>
        <translation>Width (%1)</translation>
    </message>
    <message>
        <source>Épaisseur (%1)</source>
        <translation>Thickness (%1)</translation>
    </message>
    <message>
        <source>Contreplaqué : %1 feuilles pour la surface, %2 pour les flancs (%3) ; coût : %4</source>
        <translation>Plywood: %1 sheets for the surface, %2 for the side panels (%3); cost: %4</translation>
    </message>
</context>
<context>
    <name>PriceDialog</name>
    <message>
        <source>Contreplaqué, par m² et par mm d&apos;épaisseur</source>
        <translation>Plywood, per m² and per mm of thickness</translation>
    </message>
    <message>
        <source>Bois de la section des tasseaux, par mètre</source>
        <translation>Timber of the ribs&apos; section, per metre</translation>
    </message>
    <message>
        <source>Tube de coping, par mètre</source>
        <translation>Coping pipe, per metre</translation>
    </message>
    <message>
        <source>Vis jusqu&apos;à 50 mm, les 100</source>
        <translation>Screws up to 50 mm, per 100</translation>
    </message>
    <message>
        <source>Vis plus longues, les 100</source>
        <translation>Longer screws, per 100</translation>
    </message>
    <message>
        <source>Tire-fond, pièce</source>
        <translation>Lag screw, each</translation>
    </message>
    <message>
        <source>Boulon avec rondelles et écrou, pièce</source>
        <translation>Carriage bolt with washers and nut, each</translation>
    </message>
    <message>
        <source>Équerre, pièce</source>
        <translation>Angle bracket, each</translation>
    </message>
    <message>
        <source>Colle, par kg</source>
        <translation>Glue, per kg</translation>
    </message>
    <message>
        <source>Monnaie</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Valeurs indicatives (magasin de bricolage, 2026)</source>
        <translation>Indicative prices (DIY store, 2026)</translation>
    </message>
    <message>
        <source>Valeurs indicatives</source>
        <translation>Indicative prices</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer les prix dans %1</source>
        <translation>Could not save the prices to %1</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Fichier de prix incorrect : %1</source>
        <translation>Invalid price file: %1</translation>
    </message>
    <message>
        <source>currency=%1 (de 1 à %2 caractères)</source>
        <translation>currency=%1 (1 to %2 characters)</translation>
    </message>
    <message>
        <source>%1 (clé inconnue)</source>
        <translation>%1 (unknown key)</translation>
    </message>
    <message>
        <source>%1=%2 (un nombre de 0 à 1000000, point décimal, au plus 4 décimales)</source>
        <translation>%1=%2 (a number from 0 to 1000000, decimal point, at most 4 decimals)</translation>
    </message>
    <message>
        <source>%1 (hors de la section [prices])</source>
        <translation>%1 (outside the [prices] section)</translation>
    </message>
    <message>
        <source>%1 (une ligne clé = valeur)</source>
        <translation>%1 (a line key = value)</translation>
    </message>
    <message>
        <source>pas de section [prices]</source>
        <translation>no [prices] section</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>tous (*)</source>
        <translation>all (*)</translation>
    </message>
    <message>
        <source>quarvel (*.qvl)</source>
        <translation>quarvel (*.qvl)</translation>
    </message>
    <message>
        <source>image (*.bmp)</source>
        <translation>image (*.bmp)</translation>
    </message>
    <message>
        <source>glTF binaire (*.glb)</source>
        <translation>binary glTF (*.glb)</translation>
    </message>
    <message>
        <source>OBJ avec ses matières (*.obj)</source>
        <translation>OBJ with its materials (*.obj)</translation>
    </message>
</context>
<context>
    <name>RampModel</name>
    <message>
        <source>Le modèle 3D n&apos;a pas pu être écrit</source>
        <translation>The 3D model could not be written</translation>
    </message>
    <message>
        <source>Le modèle 3D s&apos;écrit en .glb ou en .obj : %1</source>
        <translation>The 3D model is written as .glb or .obj: %1</translation>
    </message>
</context>
<context>
    <name>SheetDrawing</name>
    <message>
        <source>Éclisse %1</source>
        <translation>Splice plate, %1</translation>
    </message>
    <message>
        <source>%1, morceau %2/%3</source>
        <translation>%1, piece %2/%3</translation>
    </message>
    <message>
        <source>Feuille %1</source>
        <translation>Sheet %1</translation>
    </message>
</context>
<context>
    <name>SketchView</name>
    <message>
        <source>Molette pour zoomer, glisser pour déplacer, double clic pour tout voir</source>
        <translation>Wheel to zoom, drag to pan, double-click to see it all</translation>
    </message>
</context>
<context>
    <name>SurfaceDrawing</name>
    <message>
        <source>Couche %1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source> (dessus, posée en dernier)</source>
        <translation> (top, laid last)</translation>
    </message>
    <message>
        <source> (dessous, posée en premier)</source>
        <translation> (bottom, laid first)</translation>
    </message>
    <message>
        <source>de lèvre à lèvre %1</source>
        <translation>lip to lip %1</translation>
    </message>
    <message>
        <source>Une seule couche, vissée sur les tasseaux et les solives. Les joints se mesurent le long de la couche, depuis la lèvre gauche de lèvre à lèvre, depuis l&apos;arrière sur les plates-formes.</source>
        <translation>A single layer, screwed to the ribs and joists. Joints are measured along the layer: from the left lip between the lips, from the back on the decks.</translation>
    </message>
    <message>
        <source>La couche 1 est celle du dessus, sur laquelle on roule : elle se pose en dernier. On pose d&apos;abord la couche %1, vissée sur les tasseaux et les solives, puis les autres par-dessus, jusqu&apos;à la couche 1. Les joints se mesurent le long de chaque couche, depuis la lèvre gauche de lèvre à lèvre, depuis l&apos;arrière sur les plates-formes.</source>
        <translation>Layer 1 is the top one, the one you ride on: it goes on last. Lay layer %1 first, screwed to the ribs and joists, then the others over it, up to layer 1. Joints are measured along each layer: from the left lip between the lips, from the back on the decks.</translation>
    </message>
</context>
<context>
    <name>TChartAxis</name>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Axis Minimum Value must be &lt;= Maximum</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Axis Maximum Value must be &gt;= Minimum</translation>
    </message>
</context>
<context>
    <name>TChartValueList</name>
    <message>
        <source>Erreur de vérification d&apos;étendue</source>
        <translation>Range check error</translation>
    </message>
</context>
<context>
    <name>TCredit</name>
    <message>
        <source>Credit</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Quarvel ramp designer V1.0</source>
        <translation>Quarvel ramp designer V1.0</translation>
    </message>
    <message>
        <source>Quarvel project team</source>
        <translation>Quarvel project team</translation>
    </message>
    <message>
        <source>Quarvel, mini-ramp designer</source>
        <translation>Quarvel, mini-ramp designer</translation>
    </message>
    <message>
        <source>Décembre 2026</source>
        <translation>December 2026</translation>
    </message>
</context>
<context>
    <name>TCustomZelPanel</name>
    <message>
        <source>3D effect percent must be between %1 and %2</source>
        <translation>3D effect percent must be between %1 and %2</translation>
    </message>
</context>
<context>
    <name>TQvl</name>
    <message>
        <source>Plate-forme gauche</source>
        <translation>Left deck</translation>
    </message>
    <message>
        <source>Courbe  gauche</source>
        <translation>Left curve</translation>
    </message>
    <message>
        <source>Plat</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Courbe droite</source>
        <translation>Right curve</translation>
    </message>
    <message>
        <source>Plate-forme droite</source>
        <translation>Right deck</translation>
    </message>
    <message>
        <source>Longueur</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Rayon</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Largeur (rampe)</source>
        <translation>Width (ramp)</translation>
    </message>
    <message>
        <source>Longueur courbe gauche au sol</source>
        <translation>Left curve ground length</translation>
    </message>
    <message>
        <source>Longueur arc de la courbe</source>
        <translation>Curve arc length</translation>
    </message>
    <message>
        <source>Longueur totale</source>
        <translation>Total length</translation>
    </message>
    <message>
        <source>Longueur courbe droite au sol</source>
        <translation>Right curve ground length</translation>
    </message>
    <message>
        <source>Toutes les longueurs sont en centimètres et doivent être entières.</source>
        <translation>All lengths are in centimetres and must be whole numbers.</translation>
    </message>
    <message>
        <source>Tracer</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Afficher uniquement le profil de la rampe</source>
        <translation>Show only the ramp&apos;s profile</translation>
    </message>
    <message>
        <source>Afficher les données sur le graphique</source>
        <translation>Show the data on the chart</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source>Réglages de construction...</source>
        <translation>Construction settings...</translation>
    </message>
    <message>
        <source>Plan de construction...</source>
        <translation>Construction plan...</translation>
    </message>
    <message>
        <source>Gabarits à l&apos;échelle 1 (PDF)...</source>
        <translation>Full-size templates (PDF)...</translation>
    </message>
    <message>
        <source>Fichier de découpe (DXF, SVG)...</source>
        <translation>Cut file (DXF, SVG)...</translation>
    </message>
    <message>
        <source>Modèle 3D (glTF, OBJ)...</source>
        <translation>3D model (glTF, OBJ)...</translation>
    </message>
    <message>
        <source>Livret de construction (PDF)...</source>
        <translation>Build book (PDF)...</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Utilisation du logiciel</source>
        <translation>Using the program</translation>
    </message>
    <message>
        <source>Crédits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Dimensions incorrectes</source>
        <translation>Incorrect dimensions</translation>
    </message>
    <message>
        <source>Plan impossible</source>
        <translation>The plan cannot be built</translation>
    </message>
</context>
<context>
    <name>TSecondaryWindow</name>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Co&amp;uper</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>C&amp;oller</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Sélectionner &amp;tout</source>
        <translation>Select &amp;All</translation>
    </message>
</context>
<context>
    <name>TWallWindow</name>
    <message>
        <source>Votre hauteur de courbe étant supérieure à son rayon vous allez obtenir un wall de</source>
        <translation>Your curve is higher than its radius, so you will get a wall of</translation>
    </message>
</context>
<context>
    <name>Taidefiche</name>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aide.</source>
        <translation>Help.</translation>
    </message>
    <message>
        <source>Attention: toutes les longueurs doivent impérativement être entières et en centimètres.</source>
        <translation>Note: all lengths must be whole numbers, in centimetres.</translation>
    </message>
    <message>
        <source>Les courbes sont dessinées à partir d&apos;arc de cercle, le logiciel ne permet donc pas de tracer des profils ellipsoidaux.</source>
        <translation>Curves are drawn as arcs of a circle, so the program cannot draw elliptical profiles.</translation>
    </message>
    <message>
        <source>Le logiciel permet la création de wall: pour cela il suffit que la hauteur d&apos;une courbe soit supérieure à son rayon.</source>
        <translation>The program can make a wall: all it takes is a curve whose height is greater than its radius.</translation>
    </message>
    <message>
        <source>Exemple: Une courbe de 200 cm de hauteur dessinée avec un rayon de 150 cm permettera la création d&apos;un wall</source>
        <translation>Example: a curve 200 cm high drawn with a 150 cm radius will make a wall</translation>
    </message>
    <message>
        <source>de 50 cm de verticale.</source>
        <translation>with 50 cm of vertical.</translation>
    </message>
    <message>
        <source>La vue de la rampe en 2D permet de mieux visualiser la forme réelle des profils de courbes.</source>
        <translation>The 2D view of the ramp shows the real shape of the curves&apos; profiles more clearly.</translation>
    </message>
    <message>
        <source>Les rampes dessinées sont enregistrables en fichiers .qvl qui vous permettent de les réouvrir à chaque utilisation du</source>
        <translation>Ramps you draw can be saved as .qvl files, which let you open them again each time you use the</translation>
    </message>
    <message>
        <source>logiciel sans avoir à vous souvenir des longueurs choisies.</source>
        <translation>program, without having to remember the lengths you chose.</translation>
    </message>
    <message>
        <source>L&apos;exportation de l&apos;image de la rampe peut se faire avec ou sans les données (hauteurs, rayons...)en utilisant la </source>
        <translation>The picture of the ramp can be exported with or without the data (heights, radii...) using the </translation>
    </message>
    <message>
        <source>commande située sous le graphique.</source>
        <translation>option below the chart.</translation>
    </message>
</context>
<context>
    <name>TemplateCommand</name>
    <message>
        <source>Option incorrecte : --paper %1 (a4, letter, a3 ou full)</source>
        <translation>Invalid option: --paper %1 (a4, letter, a3 or full)</translation>
    </message>
    <message>
        <source>Option incorrecte : --overlap %1 (5 à 50)</source>
        <translation>Invalid option: --overlap %1 (5 to 50)</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Pied de la courbe</source>
        <translation>Bottom of the curve</translation>
    </message>
    <message>
        <source>Tangente verticale (pied du mur)</source>
        <translation>Vertical tangent (bottom of the wall)</translation>
    </message>
    <message>
        <source>Haut du mur</source>
        <translation>Top of the wall</translation>
    </message>
    <message>
        <source>Haut de l&apos;arc</source>
        <translation>Top of the arc</translation>
    </message>
    <message>
        <source>Encoche : angle du fond et du mur</source>
        <translation>Notch: corner of the bottom and the wall</translation>
    </message>
    <message>
        <source>Encoche : haut du mur</source>
        <translation>Notch: top of the wall</translation>
    </message>
    <message>
        <source>%1 (sous un joint)</source>
        <translation>%1 (under a seam)</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>ground</translation>
    </message>
    <message>
        <source>pied</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>verticale du pied</source>
        <translation>vertical at the bottom</translation>
    </message>
    <message>
        <source>lèvre</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>tube Ø %1</source>
        <translation>pipe Ø %1</translation>
    </message>
    <message>
        <source>éclisse %1/%2, face intérieure</source>
        <translation>splice plate %1/%2, inner face</translation>
    </message>
    <message>
        <source>Rampe : courbe gauche R %1, H %2, plateforme %3 — plat %4 — courbe droite R %5, H %6, plateforme %7 — largeur %8.</source>
        <translation>Ramp: left curve R %1, H %2, deck %3 — flat %4 — right curve R %5, H %6, deck %7 — width %8.</translation>
    </message>
    <message>
        <source>Quarvel — gabarits des flancs à taille réelle</source>
        <translation>Quarvel — full-size side panel templates</translation>
    </message>
    <message>
        <source>4 po × 4 po (101,6 mm)</source>
        <translation>4 in × 4 in (101.6 mm)</translation>
    </message>
    <message>
        <source>Imprimer à 100 % (taille réelle) et mesurer ces carrés avant de découper</source>
        <translation>Print at 100 % (actual size) and measure these squares before cutting</translation>
    </message>
    <message>
        <source>Plan des tuiles — %1</source>
        <translation>Tile map — %1</translation>
    </message>
    <message>
        <source>%1 — ordonnées du cadre</source>
        <translation>%1 — frame ordinates</translation>
    </message>
    <message>
        <source>%1 · ligne %2, colonne %3</source>
        <translation>%1 · row %2, column %3</translation>
    </message>
    <message>
        <source>Aucun flanc à imprimer : les deux courbes ont une hauteur nulle</source>
        <translation>No side panel to print: both curves have zero height</translation>
    </message>
    <message>
        <source>Recouvrement des tuiles incorrect : %1 mm (5 à 50)</source>
        <translation>Invalid tile overlap: %1 mm (5 to 50)</translation>
    </message>
    <message>
        <source>Flanc trop grand pour une page PDF (%1 mm, plus de 5,08 m) : utilisez le fichier de découpe</source>
        <translation>Side panel too large for a PDF page (%1 mm, over 5.08 m): use the cut file</translation>
    </message>
    <message>
        <source>Quarvel — gabarits des flancs</source>
        <translation>Quarvel — side panel templates</translation>
    </message>
    <message>
        <source>Impossible de produire le PDF des gabarits</source>
        <translation>Could not produce the templates PDF</translation>
    </message>
    <message>
        <source>Gabarit trop grand pour être imprimé en tuiles : utilisez --paper full ou le fichier de découpe</source>
        <translation>Template too large to print in tiles: use --paper full or the cut file</translation>
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
        <source>Quarvel · %1 · taille réelle (1:1) · %2</source>
        <translation>Quarvel · %1 · actual size (1:1) · %2</translation>
    </message>
    <message>
        <source>coupe (éclisse de %1)</source>
        <translation>cut (%1 splice plate)</translation>
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
<context>
    <name>Terrplat</name>
    <message>
        <source>Attention.</source>
        <translation>Warning.</translation>
    </message>
</context>
<context>
    <name>Terrrayon</name>
    <message>
        <source>Attention courbe gauche.</source>
        <translation>Warning: left curve.</translation>
    </message>
</context>
<context>
    <name>Terrrayon2</name>
    <message>
        <source>Attention courbe droite.</source>
        <translation>Warning: right curve.</translation>
    </message>
</context>
<context>
    <name>Tfer</name>
    <message>
        <source>Verticale courbe gauche.</source>
        <translation>Vertical on the left curve.</translation>
    </message>
    <message>
        <source>cm de verticale à gauche.</source>
        <translation>cm of vertical on the left.</translation>
    </message>
</context>
<context>
    <name>Tfer2</name>
    <message>
        <source>Verticale courbe droite.</source>
        <translation>Vertical on the right curve.</translation>
    </message>
    <message>
        <source>cm de verticale à droite.</source>
        <translation>cm of vertical on the right.</translation>
    </message>
</context>
<context>
    <name>TimberCutting</name>
    <message>
        <source>Réglage de construction incorrect : stock=%1 (%2 de %3 mm : aucune longueur en vente n&apos;est assez longue)</source>
        <translation>Incorrect construction setting: stock=%1 (%2 of %3 mm: no stock length is long enough)</translation>
    </message>
</context>
<context>
    <name>TimberList</name>
    <message>
        <source>Réglage de construction incorrect : stock=%1 (%2 de %3 mm : aucune longueur en vente n&apos;est assez longue)</source>
        <translation>Incorrect construction setting: stock=%1 (%2 of %3 mm: no stock length is long enough)</translation>
    </message>
    <message>
        <source>Trop de pièces de bois à couper : %1 (%2 au plus)</source>
        <translation>Too many timber pieces to cut: %1 (%2 at most)</translation>
    </message>
    <message>
        <source>Tasseau</source>
        <translation>Rib</translation>
    </message>
    <message>
        <source>Solive de plate-forme</source>
        <translation>Deck joist</translation>
    </message>
    <message>
        <source>Cale de coping</source>
        <translation>Coping block</translation>
    </message>
    <message>
        <source>Lisse</source>
        <translation>Rim</translation>
    </message>
    <message>
        <source>Longeron de plate-forme</source>
        <translation>Deck stringer</translation>
    </message>
    <message>
        <source>Pied</source>
        <translation>Leg</translation>
    </message>
    <message>
        <source>Écharpe</source>
        <translation>Brace</translation>
    </message>
    <message>
        <source>Longeron du plat</source>
        <translation>Flat stringer</translation>
    </message>
    <message>
        <source>Solive du plat</source>
        <translation>Flat joist</translation>
    </message>
</context>
<context>
    <name>Tracer</name>
    <message>
        <source>Attention :  votre longueur de plat semble trop petite compte tenu des dimensions des courbes.</source>
        <translation>Warning: your flat length seems too short for the dimensions of the curves.</translation>
    </message>
    <message>
        <source>Attention :  votre longueur de plat semble trop grande compte tenu des dimensions des courbes.</source>
        <translation>Warning: your flat length seems too long for the dimensions of the curves.</translation>
    </message>
    <message>
        <source>Attention :  votre longueur de rayon semble trop petite compte tenu de la hauteur de la courbe.</source>
        <translation>Warning: your radius seems too short for the height of the curve.</translation>
    </message>
    <message>
        <source>Attention :  votre longueur de rayon semble trop grande compte tenu de la hauteur de la courbe.</source>
        <translation>Warning: your radius seems too long for the height of the curve.</translation>
    </message>
    <message>
        <source>Opération en virgule flottante incorrecte</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>Division par zéro en virgule flottante</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>Débordement en virgule flottante</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>Débordement d&apos;entier</source>
        <translation>Integer overflow</translation>
    </message>
    <message>
        <source>Erreur de vérification d&apos;étendue</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>Dimensions incorrectes : chaque longueur doit être comprise entre 0 et 46340 cm et la longueur totale doit être positive</source>
        <translation>Invalid dimensions: each length must be between 0 and 46340 cm and the total length must be positive</translation>
    </message>
</context>
<context>
    <name>TracerApplier</name>
    <message>
        <source>Contrôle introuvable : %1</source>
        <translation>Control not found: %1</translation>
    </message>
</context>
</TS>
