<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BookChoiceDialog</name>
    <message>
        <source>Multiple Book Found (Double-Click or Spacebar to select)</source>
        <translation>Plusieurs livres trouvés (double-clic ou barre d&apos;espace pour choisir)</translation>
    </message>
</context>
<context>
    <name>ControlsPage</name>
    <message>
        <source>fixed</source>
        <translation>fixe</translation>
    </message>
    <message>
        <source>Fixed keys (when no key above is the same):</source>
        <translation>Touches fixes (si aucune touche ci-dessus n&apos;est la même) :</translation>
    </message>
    <message>
        <source>Left click will:</source>
        <translation>Le clic gauche :</translation>
    </message>
    <message>
        <source>Double Left click will:</source>
        <translation>Le double clic gauche :</translation>
    </message>
    <message>
        <source>Right click will:</source>
        <translation>Le clic droit :</translation>
    </message>
    <message>
        <source>Middle click will:</source>
        <translation>Le clic du milieu :</translation>
    </message>
    <message>
        <source>Left + Right click will:</source>
        <translation>Le clic gauche + droit :</translation>
    </message>
    <message>
        <source>Set Current</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>Set None</source>
        <translation>Aucune touche</translation>
    </message>
</context>
<context>
    <name>DisplayPage</name>
    <message>
        <source>Start in fullscreen mode</source>
        <translation>Démarrer en plein écran</translation>
    </message>
    <message>
        <source>Use halftone stretching when zooming (looks good but slower)</source>
        <translation>Lisser l&apos;image agrandie (plus beau mais plus lent)</translation>
    </message>
    <message>
        <source>Use basic color normalisation</source>
        <translation>Normaliser les couleurs (simple)</translation>
    </message>
    <message>
        <source>natural order (page 2 before page 10)</source>
        <translation>ordre naturel (page 2 avant page 10)</translation>
    </message>
    <message>
        <source>two pages side by side (books opened from now on)</source>
        <translation>deux pages côte à côte (livres ouverts désormais)</translation>
    </message>
    <message>
        <source>first page alone in two-page view</source>
        <translation>première page seule en vue double page</translation>
    </message>
    <message>
        <source>manga order (right to left)</source>
        <translation>sens de lecture manga (de droite à gauche)</translation>
    </message>
    <message>
        <source>Basic contrast slider (0 =disabled)</source>
        <translation>Réglage simple du contraste (0 = désactivé)</translation>
    </message>
    <message>
        <source>Stretched view</source>
        <translation>Vue ajustée</translation>
    </message>
    <message>
        <source>Stretch page to fit in display area</source>
        <translation>Ajuster la page à la zone d&apos;affichage</translation>
    </message>
    <message>
        <source>Stretch width of the page to fit in width of display area</source>
        <translation>Ajuster la largeur de la page à celle de la zone d&apos;affichage</translation>
    </message>
    <message>
        <source>Default page display  stretchs the image to fit in the view area</source>
        <translation>Par défaut, la page est ajustée à la zone d&apos;affichage</translation>
    </message>
    <message>
        <source>Use halftone stretching (looks good but is slower)</source>
        <translation>Lisser l&apos;image ajustée (plus beau mais plus lent)</translation>
    </message>
    <message>
        <source>* By default: switch between full &amp; stretched view by holding left button down and pushing right button.</source>
        <translation>* Par défaut : passez de la vue entière à la vue ajustée en maintenant le bouton gauche enfoncé et en appuyant sur le bouton droit.</translation>
    </message>
    <message>
        <source>* Halftone is not supported in win9x/ME/NT4 *</source>
        <translation>* Le lissage n&apos;est pas pris en charge sous win9x/ME/NT4 *</translation>
    </message>
</context>
<context>
    <name>FixedKeys</name>
    <message>
        <source>Rotate the page 90° left</source>
        <translation>Tourner la page de 90° à gauche</translation>
    </message>
    <message>
        <source>Rotate the page 90° right</source>
        <translation>Tourner la page de 90° à droite</translation>
    </message>
    <message>
        <source>Two pages side by side</source>
        <translation>Deux pages côte à côte</translation>
    </message>
    <message>
        <source>Move the pairs by one page</source>
        <translation>Décaler les paires d’une page</translation>
    </message>
    <message>
        <source>Manga order (right to left)</source>
        <translation>Sens manga (de droite à gauche)</translation>
    </message>
    <message>
        <source>Scroll down one view, then go to next page</source>
        <translation>Descendre d&apos;un écran, puis aller à la page suivante</translation>
    </message>
    <message>
        <source>Scroll up one view, then go to previous page</source>
        <translation>Monter d&apos;un écran, puis aller à la page précédente</translation>
    </message>
    <message>
        <source>Leave fullscreen mode</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>SHIFT + </source>
        <translation>MAJ + </translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>MouseWheel Behaviour</source>
        <translation>Comportement de la molette</translation>
    </message>
    <message>
        <source>Wheel will zoom in/out</source>
        <translation>La molette agrandit ou réduit</translation>
    </message>
    <message>
        <source>Wheel will move up/down</source>
        <translation>La molette fait défiler vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Wheel will change pages</source>
        <translation>La molette tourne les pages</translation>
    </message>
    <message>
        <source>Pixel value used to move or zoom pages with the wheel:</source>
        <translation>Pixels de défilement ou de zoom par cran de molette :</translation>
    </message>
    <message>
        <source>Use the mouse wheel pixels value with keyboard navigation</source>
        <translation>Utiliser ce nombre de pixels pour la navigation au clavier</translation>
    </message>
    <message>
        <source>Enable Smooth Scrolling with mouse wheel</source>
        <translation>Défilement fluide avec la molette</translation>
    </message>
    <message>
        <source>Alternative mouse navigation mode</source>
        <translation>Autre mode de navigation à la souris</translation>
    </message>
    <message>
        <source>Preload next page while reading the current one</source>
        <translation>Précharger la page suivante pendant la lecture</translation>
    </message>
    <message>
        <source>Go to next page after holding left button down for 10 sec.</source>
        <translation>Page suivante après 10 s de bouton gauche maintenu</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Association de fichiers</translation>
    </message>
    <message>
        <source>Add Selected</source>
        <translation>Associer la sélection</translation>
    </message>
    <message>
        <source>Add All</source>
        <translation>Tout associer</translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation>Tout dissocier</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Open each book at the page where it was left</source>
        <translation>Ouvrir chaque livre à la page où il a été laissé</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>Viewing page %1/%2</source>
        <translation>Page affichée : %1/%2</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>Aucun fichier chargé</translation>
    </message>
    <message>
        <source>Info...</source>
        <translation>Infos...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>JumpDialog</name>
    <message>
        <source>Jump to...</source>
        <translation>Aller à...</translation>
    </message>
    <message>
        <source>Enter the page number you want to jump to in the text box or move the slider and click on the Jump button.</source>
        <translation>Saisissez dans la zone de texte le numéro de la page où aller, ou déplacez le curseur, puis cliquez sur le bouton Aller.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Num 5</source>
        <translation>Pavé 5</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr Maj</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Prnt Scrn</source>
        <translation>Impr écran</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows gauche</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Num *</source>
        <translation>Pavé *</translation>
    </message>
    <message>
        <source>Num +</source>
        <translation>Pavé +</translation>
    </message>
    <message>
        <source>Num -</source>
        <translation>Pavé -</translation>
    </message>
    <message>
        <source>Num Del</source>
        <translation>Pavé Suppr</translation>
    </message>
    <message>
        <source>Num /</source>
        <translation>Pavé /</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>Num %1</source>
        <translation>Pavé %1</translation>
    </message>
    <message>
        <source>ALT + </source>
        <translation>ALT + </translation>
    </message>
    <message>
        <source>CTRL + </source>
        <translation>CTRL + </translation>
    </message>
    <message>
        <source>ALT + CTRL + </source>
        <translation>ALT + CTRL + </translation>
    </message>
</context>
<context>
    <name>OpenDialogs</name>
    <message>
        <source>All supported files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <source>BDz files (*.bdz)</source>
        <translation>Fichiers BDz (*.bdz)</translation>
    </message>
    <message>
        <source>Cbz and Cbr files (*.cbz;*.cbr)</source>
        <translation>Fichiers Cbz et Cbr (*.cbz;*.cbr)</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Fichiers Zip (*.zip)</translation>
    </message>
    <message>
        <source>Rar files (*.rar)</source>
        <translation>Fichiers Rar (*.rar)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>PluginsPage</name>
    <message>
        <source>Version 1.5:
A plugin architecture to modify the image before displaying it.That means controlling RGB values, contrast, luminosity, etc. You could even write a plugin to show the page in black and white, to remove the glitches from old scanners.</source>
        <translation>Version 1.5 :
Une architecture d&apos;extensions pour modifier l&apos;image avant de l&apos;afficher : réglage des valeurs RVB, du contraste, de la luminosité, etc. Vous pourriez même écrire une extension qui montre la page en noir et blanc, ou qui efface les défauts des vieux scanners.</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Rotate Left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Two Pages</source>
        <translation>Deux pages</translation>
    </message>
    <message>
        <source>Shift Pairs</source>
        <translation>Décaler les paires</translation>
    </message>
    <message>
        <source>Manga Order</source>
        <translation>Sens manga</translation>
    </message>
    <message>
        <source>A File...</source>
        <translation>Un fichier...</translation>
    </message>
    <message>
        <source>A Directory...</source>
        <translation>Un dossier...</translation>
    </message>
    <message>
        <source>Book from last session</source>
        <translation>Livre de la dernière session</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Stretched View</source>
        <translation>Vue ajustée</translation>
    </message>
    <message>
        <source>Flipped View</source>
        <translation>Vue retournée</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Info... 	</source>
        <translation>Infos... 	</translation>
    </message>
    <message>
        <source>Preferences...	</source>
        <translation>Préférences...	</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandissement</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>125%</source>
        <translation>125&#xa0;%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150&#xa0;%</translation>
    </message>
    <message>
        <source>175%</source>
        <translation>175&#xa0;%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200&#xa0;%</translation>
    </message>
    <message>
        <source>Next Page 	</source>
        <translation>Page suivante 	</translation>
    </message>
    <message>
        <source>Previous Page 	</source>
        <translation>Page précédente 	</translation>
    </message>
    <message>
        <source>Jump To... 	</source>
        <translation>Aller à... 	</translation>
    </message>
    <message>
        <source>Page Overview	</source>
        <translation>Aperçu des pages	</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Bullevista...</source>
        <translation>À propos de Bullevista...</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>PreferencesFrame</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>SkinToolTips</name>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom : %1 %</translation>
    </message>
</context>
<context>
    <name>ShelfView</name>
    <message>
        <source>Open a book...</source>
        <translation>Ouvrir un livre...</translation>
    </message>
    <message>
        <source>Open a folder...</source>
        <translation>Ouvrir un dossier...</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>Skin Browser</source>
        <translation>Choix du thème</translation>
    </message>
    <message>
        <source>Select a skin in the list and hit the load button.</source>
        <translation>Choisissez un thème dans la liste et cliquez sur Charger.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Default (English)</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Info... (info.BDi not found)</source>
        <translation>Infos... (info.BDi introuvable)</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Thèmes</translation>
    </message>
    <message>
        <source>Plugins</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <comment>gesture</comment>
        <translation>Aller à la page suivante</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <comment>gesture</comment>
        <translation>Aller à la page précédente</translation>
    </message>
    <message>
        <source>Show the main menu</source>
        <translation>Afficher le menu principal</translation>
    </message>
    <message>
        <source>Toggle stretched view</source>
        <translation>Basculer la vue ajustée</translation>
    </message>
    <message>
        <source>Navigate the current page</source>
        <translation>Naviguer dans la page</translation>
    </message>
    <message>
        <source>Navigate Up</source>
        <translation>Naviguer vers le haut</translation>
    </message>
    <message>
        <source>Navigate Down</source>
        <translation>Naviguer vers le bas</translation>
    </message>
    <message>
        <source>Navigate Left</source>
        <translation>Naviguer vers la gauche</translation>
    </message>
    <message>
        <source>Navigate Right</source>
        <translation>Naviguer vers la droite</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <comment>key</comment>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <comment>key</comment>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Jump to...</source>
        <translation>Aller à...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open a directory</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Open info dialog</source>
        <translation>Ouvrir les infos</translation>
    </message>
    <message>
        <source>Open preference dialog</source>
        <translation>Ouvrir les préférences</translation>
    </message>
    <message>
        <source>Toggle Stretched view</source>
        <translation>Activer/désactiver la vue ajustée</translation>
    </message>
    <message>
        <source>Toggle Fullscreen view</source>
        <translation>Activer/désactiver le plein écran</translation>
    </message>
    <message>
        <source>Zoom Up</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Down</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Go to top of the page</source>
        <translation>Aller en haut de la page</translation>
    </message>
    <message>
        <source>Go to end of the page</source>
        <translation>Aller en bas de la page</translation>
    </message>
    <message>
        <source>Toggle Flipped view</source>
        <translation>Activer/désactiver la vue retournée</translation>
    </message>
    <message>
        <source>Open book from last session</source>
        <translation>Ouvrir le livre de la dernière session</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Page number : </source>
        <translation>Numéro de page : </translation>
    </message>
    <message>
        <source>Toggle fullscreen mode</source>
        <translation>Basculer en plein écran</translation>
    </message>
    <message>
        <source>Show the page overview</source>
        <translation>Afficher l'aperçu des pages</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ré&amp;duire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
</TS>
