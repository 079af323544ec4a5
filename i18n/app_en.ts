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
    <name>FramingDrawing</name>
    <message>
        <source>Vue de dessus, sans la surface ; en bas, le côté vu de profil</source>
        <translation>Top view, without the surface layer; below, the side seen in profile</translation>
    </message>
</context>
<context>
    <name>FramingText</name>
    <message>
        <source>%1 : %2 tasseaux entre chaque paire de flancs, centrés à %3 mm le long de la courbe du cadre, mesurés depuis le pied de la courbe (son bas, côté plat).</source>
        <translation>%1: %2 ribs between each pair of side panels, at %3 mm centres along the frame&apos;s curve, measured from the bottom of the curve (its low end, at the flat).</translation>
    </message>
    <message>
        <source>%1 : solives centrées à %2 mm de l&apos;arrière de la plate-forme (son bout loin de la courbe).</source>
        <translation>%1: joists at %2 mm centres from the back of the deck (its end away from the curve).</translation>
    </message>
    <message>
        <source>La dernière est la cale de coping, sur chant contre le tube.</source>
        <translation>The last one is the coping block, on edge against the pipe.</translation>
    </message>
    <message>
        <source>%1 : pieds centrés à %2 mm de l&apos;arrière de la plate-forme, sous chaque longeron.</source>
        <translation>%1: legs at %2 mm centres from the back of the deck, under each stringer.</translation>
    </message>
    <message>
        <source>Plat : %1 longerons sur chant, un par ligne de flancs ; solives centrées à %2 mm du bout gauche du plat (le pied de la courbe gauche), entre les longerons.</source>
        <translation>Flat: %1 stringers on edge, one per line of side panels; joists at %2 mm centres from the left end of the flat (the bottom of the left curve), between the stringers.</translation>
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
    <name>PanelDrawing</name>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
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
        <source>Longueur (mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>Largeur (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>Épaisseur (mm)</source>
        <translation>Thickness (mm)</translation>
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
        <source>Contreplaqué : %1 feuilles pour la surface, %2 pour les flancs (%3 × %4 mm) ; coût : %5</source>
        <translation>Plywood: %1 sheets for the surface, %2 for the side panels (%3 × %4 mm); cost: %5</translation>
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
        <source>, %1 mm</source>
        <translation>, %1 mm</translation>
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
    <name>TracerApplier</name>
    <message>
        <source>Contrôle introuvable : %1</source>
        <translation>Control not found: %1</translation>
    </message>
</context>
</TS>
