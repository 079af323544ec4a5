<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
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
        <source>Rampe : deck gauche %1 cm, rayon %2 cm, hauteur %3 cm ; plat %4 cm ; rayon %5 cm, hauteur %6 cm, deck droit %7 cm ; largeur %8 cm.</source>
        <translation>Ramp: left deck %1 cm, radius %2 cm, height %3 cm; flat %4 cm; radius %5 cm, height %6 cm, right deck %7 cm; width %8 cm.</translation>
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
        <source>Dimensions (mm)</source>
        <translation>Dimensions (mm)</translation>
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
        <translation>Assemble each curve&apos;s side panels and ribs</translation>
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
        <source>Coin bas gauche (mm)</source>
        <translation>Bottom left corner (mm)</translation>
    </message>
    <message>
        <source>Encombrement (mm)</source>
        <translation>Overall size (mm)</translation>
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
        <source>%1 × planche de %2 mm : %3 ; chute %4</source>
        <translation>%1 × %2 mm board: %3; offcut %4</translation>
    </message>
    <message>
        <source>Découpe des planches</source>
        <translation>Board cutting</translation>
    </message>
    <message>
        <source>Chaque planche à l&apos;échelle, ses morceaux dans l&apos;ordre de la coupe (longueurs en mm, trait de scie de %1 mm), la chute hachurée.</source>
        <translation>Each board to scale, its pieces in cutting order (lengths in mm, %1 mm kerf), the offcut hatched.</translation>
    </message>
    <message>
        <source>Section %1 mm</source>
        <translation>Section %1 mm</translation>
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
        <source>%1 feuilles en tout : chaque bande ci-dessus, coupée dans le petit côté d&apos;une feuille, pour chaque largeur (%2 mm)</source>
        <translation>%1 sheets in all: each strip above, cut across a sheet&apos;s short side, for each width (%2 mm)</translation>
    </message>
    <message>
        <source>La surface, couche par couche</source>
        <translation>The surface, layer by layer</translation>
    </message>
    <message>
        <source>Chaque couche d&apos;une plate-forme à l&apos;autre, à l&apos;échelle, en commençant par celle du bas : ses morceaux et leurs longueurs (mm), un triangle sous chaque joint pour le tasseau ou la solive qui le porte. Chaque morceau couvre toute la largeur de la rampe.</source>
        <translation>Each layer from one deck to the other, to scale, starting with the bottom one: its pieces and their lengths (mm), a triangle under each joint for the rib or joist that carries it. Each piece covers the full width of the ramp.</translation>
    </message>
    <message>
        <source>%1 (%2 mm, de bas en haut : %3 sur %4)</source>
        <translation>%1 (%2 mm, from the bottom up: %3 of %4)</translation>
    </message>
    <message>
        <source>Partie</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Depuis l&apos;arrière gauche (mm)</source>
        <translation>From the left back end (mm)</translation>
    </message>
    <message>
        <source>Longueur (mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>Ossature</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>La rampe sans sa surface : les flancs, tasseaux, solives, longerons, pieds et écharpes, vus de dessus puis de côté.</source>
        <translation>The ramp without its surface: the side panels, ribs, joists, stringers, legs and braces, seen from above, then from the side.</translation>
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
        <source>Courbe %1 : flanc coupé à %2 mm du pied le long de la courbe</source>
        <translation>%1 curve: side panel cut %2 mm from the bottom along the curve</translation>
    </message>
    <message>
        <source>Courbe %1 : flanc coupé verticalement à %2 mm de son arrière</source>
        <translation>%1 curve: side panel cut vertically %2 mm from its back end</translation>
    </message>
    <message>
        <source>Courbe %1 : flanc coupé horizontalement à %2 mm du sol</source>
        <translation>%1 curve: side panel cut horizontally %2 mm above the ground</translation>
    </message>
    <message>
        <source> ; une éclisse de 300 mm de large, dans le même contreplaqué, collée et vissée sur la face intérieure, relie les morceaux</source>
        <translation>; a 300 mm wide splice plate of the same plywood, glued and screwed to the inner face, joins the pieces</translation>
    </message>
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
        <source>Courbe %1, couche %2 (%3 mm) : rayon de %4 mm, plus serré que les %5 mm auxquels cette épaisseur se cintre à sec</source>
        <translation>%1 curve, layer %2 (%3 mm): %4 mm radius, tighter than the %5 mm this thickness bends to dry</translation>
    </message>
</context>
<context>
    <name>ConstructionArguments</name>
    <message>
        <source>Option incorrecte : %1 %2 (%3)</source>
        <translation>Invalid option: %1 %2 (%3)</translation>
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
        <source>profondeur des tasseaux à 300</source>
        <translation>rib depth to 300</translation>
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
</context>
<context>
    <name>CutLayout</name>
    <message>
        <source>pivot à %1 mm au-dessus du pied</source>
        <translation>pivot %1 mm above the bottom</translation>
    </message>
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
        <source>sur chant entre les flancs, contre leur bout arrière, axe à %1 mm de l&apos;arrière</source>
        <translation>on edge between the side panels, against their back ends, centre %1 mm from the back</translation>
    </message>
    <message>
        <source>entre les longerons, posée comme les tasseaux, axes à %1 mm de l&apos;arrière</source>
        <translation>between the stringers, laid like the ribs, centres %1 mm from the back</translation>
    </message>
    <message>
        <source>%1 sous chaque longeron, axes à %2 mm de l&apos;arrière, chacun tenu par une équerre</source>
        <translation>%1 under each stringer, centres %2 mm from the back, each held by an angle bracket</translation>
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
        <source>%1 m en tout, le moins possible</source>
        <translation>%1 m in all, the least possible</translation>
    </message>
    <message>
        <source>%1 m en tout ; il en faut au moins %2 m</source>
        <translation>%1 m in all; at least %2 m is needed</translation>
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
        <source>Bois %1 × %2 en %3</source>
        <translation>Timber %1 × %2, %3 long</translation>
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
        <source>chacun en %1 morceaux joints à %2 mm du bout</source>
        <translation>each in %1 pieces joined %2 mm from the end</translation>
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
        <source>sur chant entre les longerons, axes à %1 mm de l&apos;arrière</source>
        <translation>on edge between the stringers, centres %1 mm from the back</translation>
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
        <source>sur la face intérieure, sur le joint à %1 mm (%2)</source>
        <translation>on the inner face, over the joint at %1 mm (%2)</translation>
    </message>
    <message>
        <source>pivot %1 mm au-dessus du sol, rayon du cadre %2 mm</source>
        <translation>pivot %1 mm above the ground, frame radius %2 mm</translation>
    </message>
    <message>
        <source> ; en %1 morceaux joints par une éclisse de 300 mm</source>
        <translation>; in %1 pieces joined by a 300 mm splice plate</translation>
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
        <source>axes à %1 mm de l&apos;arrière</source>
        <translation>centres %1 mm from the back</translation>
    </message>
    <message>
        <source>sur chant, contre le tube, axe à %1 mm de l&apos;arrière</source>
        <translation>on edge, against the pipe, centre %1 mm from the back</translation>
    </message>
    <message>
        <source>sur chant, un par ligne de flancs, d&apos;un pied de courbe à l&apos;autre</source>
        <translation>on edge, one per line of side panels, from the bottom of one curve to the other</translation>
    </message>
    <message>
        <source>sur chant entre les longerons, axes à %1 mm du bout gauche du plat</source>
        <translation>on edge between the stringers, centres %1 mm from the flat&apos;s left end</translation>
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
        <source>pièces (mm) : %1 ; en travers %2 mm</source>
        <translation>pieces (mm): %1; across %2 mm</translation>
    </message>
    <message>
        <source>joints à %1 mm du bout gauche de la couche</source>
        <translation>joints %1 mm from the layer&apos;s left end</translation>
    </message>
    <message>
        <source>surface sans joint</source>
        <translation>surface without joints</translation>
    </message>
    <message>
        <source> ; plate-forme %1 : joints à %2 mm</source>
        <translation>; %1 deck: joints at %2 mm</translation>
    </message>
    <message>
        <source>diamètre extérieur %1 mm, schedule 40 en général</source>
        <translation>outside diameter %1 mm, usually schedule 40</translation>
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
        <source>article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque,prix</source>
        <translation>item,quantity,length (mm),width (mm),thickness (mm),remark,price</translation>
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
    <name>PlanCommand</name>
    <message>
        <source>Fichier de prix incorrect : %1 (trop grand)</source>
        <translation>Invalid price file: %1 (too large)</translation>
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
        <translation>%1 (under a joint)</translation>
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
        <source>coupe (éclisse de 300 mm)</source>
        <translation>cut (300 mm splice plate)</translation>
    </message>
    <message>
        <source>éclisse %1/%2, face intérieure</source>
        <translation>splice plate %1/%2, inner face</translation>
    </message>
    <message>
        <source>pivot (rayon du cadre %1 mm)</source>
        <translation>pivot (frame radius %1 mm)</translation>
    </message>
    <message>
        <source>pivot %1 mm plus haut,</source>
        <translation>pivot %1 mm higher,</translation>
    </message>
    <message>
        <source>à %1 mm du sol</source>
        <translation>%1 mm above the ground</translation>
    </message>
    <message>
        <source>Rampe : courbe gauche R %1, H %2, plateforme %3 — plat %4 — courbe droite R %5, H %6, plateforme %7 — largeur %8.</source>
        <translation>Ramp: left curve R %1, H %2, deck %3 — flat %4 — right curve R %5, H %6, deck %7 — width %8.</translation>
    </message>
    <message>
        <source>Construction : surface %1 mm, flancs %2 mm, cadre du plat %3 mm, tasseaux %4 × %5 mm</source>
        <translation>Construction: surface %1 mm, side panels %2 mm, flat frame %3 mm, ribs %4 × %5 mm</translation>
    </message>
    <message>
        <source>, tube de coping Ø %1 mm dépassant de %2 mm</source>
        <translation>, coping pipe Ø %1 mm standing %2 mm proud</translation>
    </message>
    <message>
        <source>%1 ; longueur %2 mm, hauteur %3 mm, rayon du cadre %4 mm, tasseaux par flanc : %5.</source>
        <translation>%1; length %2 mm, height %3 mm, frame radius %4 mm, ribs per side panel: %5.</translation>
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
        <source>Les ordonnées et la méthode du cordeau, page suivante, se tracent sans imprimante. Les tuiles se recouvrent de %1 mm : coupez une tuile sur le pointillé, posez-la sur sa voisine en alignant les croix, collez. La ligne de sol et la verticale du pied se posent sur le bord inférieur de la feuille et sur la verticale tracée à l&apos;équerre.</source>
        <translation>The ordinates and the string method, next page, are drawn without a printer. The tiles overlap by %1 mm: cut a tile along the dotted line, lay it on its neighbour with the crosses aligned, and glue. The ground line and the vertical at the bottom go on the sheet&apos;s bottom edge and on the vertical drawn with a square.</translation>
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
        <source>Feuille posée à plat, son bord inférieur sur le sol. Tracez la verticale du pied à %1 mm du bout arrière, puis, tous les 100 mm depuis cette verticale vers l&apos;arrière, et tous les 50 mm de hauteur là où la courbe monte à plus de 45°, reportez la hauteur de la courbe au-dessus du sol et reliez les points avec une latte souple.</source>
        <translation>Sheet laid flat, its bottom edge on the ground. Draw the vertical at the bottom %1 mm from the back end, then, every 100 mm from that vertical towards the back, and every 50 mm of height where the curve rises steeper than 45°, mark the curve&apos;s height above the ground and join the points with a flexible batten.</translation>
    </message>
    <message>
        <source>Depuis le pied</source>
        <translation>From the bottom</translation>
    </message>
    <message>
        <source>Depuis l&apos;arrière</source>
        <translation>From the back</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Hauteur (po)</source>
        <translation>Height (in)</translation>
    </message>
    <message>
        <source>Coins de la courbe et de l&apos;encoche</source>
        <translation>Corners of the curve and the notch</translation>
    </message>
    <message>
        <source>(po)</source>
        <translation>(in)</translation>
    </message>
    <message>
        <source>Le pivot est à la verticale du pied, à %1 mm au-dessus du sol (%2 mm au-dessus du pied), hors de la feuille : fixez-y une planche. Plantez un clou au pivot ; avec une ficelle ou une latte percée de %3 mm entre le clou et la pointe du crayon (le rayon du cadre), tracez l&apos;arc du pied (%4 mm du sol) jusqu&apos;à %5 mm du sol, à %6 mm du bout arrière.</source>
        <translation>The pivot is on the vertical at the bottom, %1 mm above the ground (%2 mm above the bottom), off the sheet: fix a board there. Drive a nail at the pivot; with a string or a drilled batten %3 mm between the nail and the pencil tip (the frame radius), draw the arc from the bottom (%4 mm above the ground) up to %5 mm above the ground, %6 mm from the back end.</translation>
    </message>
    <message>
        <source> Puis tracez le mur vertical jusqu&apos;à %1 mm du sol.</source>
        <translation> Then draw the vertical wall up to %1 mm above the ground.</translation>
    </message>
    <message>
        <source>Méthode du cordeau</source>
        <translation>String method</translation>
    </message>
    <message>
        <source>%1 · ligne %2, colonne %3</source>
        <translation>%1 · row %2, column %3</translation>
    </message>
    <message>
        <source>Quarvel · %1 · taille réelle (1:1) · %2 × %3 mm</source>
        <translation>Quarvel · %1 · actual size (1:1) · %2 × %3 mm</translation>
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
</TS>
