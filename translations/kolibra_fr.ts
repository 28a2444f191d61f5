<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AviCompressorText</name>
    <message>
        <source>No encoder is installed for the codec &quot;%1&quot;.</source>
        <translation>Aucun encodeur n&apos;est installé pour le codec « %1 ».</translation>
    </message>
    <message>
        <source>The size or the frame rate is not valid.</source>
        <translation>La taille ou la fréquence d&apos;images n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The codec &quot;%1&quot; cannot compress pictures of %2 x %3 pixels (%4).</source>
        <translation>Le codec « %1 » ne peut pas compresser des images de %2 x %3 pixels (%4).</translation>
    </message>
    <message>
        <source>The codec failed to compress a picture.</source>
        <translation>Le codec n&apos;a pas réussi à compresser une image.</translation>
    </message>
    <message>
        <source>The codec is not open.</source>
        <translation>Le codec n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The picture could not be converted for the codec.</source>
        <translation>L&apos;image n&apos;a pas pu être convertie pour le codec.</translation>
    </message>
</context>
<context>
    <name>AviWriterText</name>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>La taille ou la fréquence d&apos;images de la vidéo n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The video is too large for an AVI file.</source>
        <translation>La vidéo est trop grande pour un fichier AVI.</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Le fichier vidéo n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>A frame is too large for an AVI file.</source>
        <translation>Une image est trop grande pour un fichier AVI.</translation>
    </message>
    <message>
        <source>The video holds no frame.</source>
        <translation>La vidéo ne contient aucune image.</translation>
    </message>
</context>
<context>
    <name>BoiteBasculerText</name>
    <message>
        <source>This window allows you to select the useful part of the video sequence or</source>
        <translation>Cette fenêtre permet de choisir la partie utile de la séquence vidéo ou</translation>
    </message>
    <message>
        <source>to modify a previous selection</source>
        <translation>de modifier une sélection précédente</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative on the edited video.</source>
        <translation>Les images masquées apparaissent en négatif dans le montage vidéo.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Hide images</source>
        <translation>Masquer les images</translation>
    </message>
    <message>
        <source>Show images</source>
        <translation>Afficher les images</translation>
    </message>
    <message>
        <source>Type the number of the images, or image groups separated by semicolon (example: 1-55; 58; 73-165)</source>
        <translation>Tapez les numéros des images ou des groupes d&apos;images, séparés par des points-virgules (exemple : 1-55; 58; 73-165)</translation>
    </message>
    <message>
        <source>All even image numbers</source>
        <translation>Toutes les images de numéro pair</translation>
    </message>
    <message>
        <source>All odd image numbers</source>
        <translation>Toutes les images de numéro impair</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The marks placed on the hidden images will be deleted</source>
        <translation>Les points placés sur les images masquées seront supprimés</translation>
    </message>
    <message>
        <source>The image group at %s is incorrect</source>
        <translation>Le groupe d&apos;images à %s est incorrect</translation>
    </message>
    <message>
        <source>show</source>
        <translation>afficher</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>masquer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BoiteFormulesText</name>
    <message>
        <source>Type a formula</source>
        <translation>Tapez une formule</translation>
    </message>
    <message>
        <source>|Left-click = hide or change column; right-click = delete</source>
        <translation>|Clic gauche = masquer ou modifier la colonne ; clic droit = supprimer</translation>
    </message>
    <message>
        <source>|Change a formula, its comment or unit</source>
        <translation>|Modifier une formule, son commentaire ou son unité</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value or formula</source>
        <translation>Valeur ou formule</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Angles in degrees</source>
        <translation>Angles en degrés</translation>
    </message>
    <message>
        <source>Angles in radians</source>
        <translation>Angles en radians</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Copy the table</source>
        <translation>Copier le tableau</translation>
    </message>
    <message>
        <source>Copy the table to a spreadsheet</source>
        <translation>Copier le tableau vers un tableur</translation>
    </message>
    <message>
        <source>Copy the table to Regressi</source>
        <translation>Copier le tableau vers Regressi</translation>
    </message>
    <message>
        <source>Export the table to a file</source>
        <translation>Exporter le tableau dans un fichier</translation>
    </message>
    <message>
        <source>Restore the table</source>
        <translation>Restaurer le tableau</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>+   -   /   *   ^ (to the power of)</source>
        <translation>+   -   /   *   ^ (puissance)</translation>
    </message>
    <message>
        <source>Sin, Cos, Tan, Ln, Exp, Sqrt (square root)</source>
        <translation>Sin, Cos, Tan, Ln, Exp, Sqrt (racine carrée)</translation>
    </message>
    <message>
        <source>arcSin, arcCos, arcTan, Log, Abs (absolute value)</source>
        <translation>arcSin, arcCos, arcTan, Log, Abs (valeur absolue)</translation>
    </message>
    <message>
        <source>The name of the constant may contain</source>
        <translation>Le nom de la constante peut contenir</translation>
    </message>
    <message>
        <source>upper case letters</source>
        <translation>des lettres majuscules</translation>
    </message>
    <message>
        <source>lower case letters</source>
        <translation>des lettres minuscules</translation>
    </message>
    <message>
        <source>numbers but must start with a letter</source>
        <translation>des chiffres, mais doit commencer par une lettre</translation>
    </message>
    <message>
        <source>an integer between brackets</source>
        <translation>un entier entre crochets</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Formules et constantes</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
</context>
<context>
    <name>BoiteImprimerText</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Un fichier du même nom existe déjà. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>BoiteInstantText</name>
    <message>
        <source>The duration between the frame before and after the missing image must be changed</source>
        <translation>La durée entre l&apos;image qui précède et celle qui suit l&apos;image manquante doit être modifiée</translation>
    </message>
    <message>
        <source>The interval between 2 successive frames is T = %s s.</source>
        <translation>L&apos;intervalle entre 2 images successives est T = %s s.</translation>
    </message>
    <message>
        <source>The initial time is the first frame in the video stream.</source>
        <translation>L&apos;instant initial est celui de la première image du flux vidéo.</translation>
    </message>
    <message>
        <source>previous visible image t = %s s</source>
        <translation>image visible précédente t = %s s</translation>
    </message>
    <message>
        <source>time of selected image t =</source>
        <translation>date de l&apos;image choisie t =</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>next visible image  t = %s s</source>
        <translation>image visible suivante  t = %s s</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tip: go to the image immediately after the missing frame</source>
        <translation>Conseil : allez à l&apos;image qui suit immédiatement l&apos;image manquante</translation>
    </message>
</context>
<context>
    <name>BoiteNomCouleurText</name>
    <message>
        <source>The middle of the layer follows the positions</source>
        <translation>Le centre du calque suit les positions</translation>
    </message>
    <message>
        <source>Axes and scale colour</source>
        <translation>Couleur des axes et de l&apos;échelle</translation>
    </message>
    <message>
        <source>the mark</source>
        <translation>le point</translation>
    </message>
    <message>
        <source>locates the positions</source>
        <translation>repère les positions</translation>
    </message>
    <message>
        <source>mass (kg)</source>
        <translation>masse (kg)</translation>
    </message>
    <message>
        <source>Show the centre of mass on the video</source>
        <translation>Afficher le centre de masse sur la vidéo</translation>
    </message>
    <message>
        <source>|The names will be used to clarify the results</source>
        <translation>|Les noms serviront à rendre les résultats plus clairs</translation>
    </message>
    <message>
        <source>|Mark number</source>
        <translation>|Numéro du point</translation>
    </message>
    <message>
        <source>|Use the numeric keypad from the main window</source>
        <translation>|Utilisez le pavé numérique depuis la fenêtre principale</translation>
    </message>
    <message>
        <source>|Uncheck to hide all object marks</source>
        <translation>|Décochez pour masquer tous les points des objets</translation>
    </message>
    <message>
        <source>|The mass in kilograms gives the object its momentum and energies; empty for none</source>
        <translation>|La masse en kilogrammes donne à l&apos;objet sa quantité de mouvement et ses énergies ; vide pour aucune</translation>
    </message>
    <message>
        <source>|Do not forget an article before the noun</source>
        <translation>|N&apos;oubliez pas « de », « du » ou « d&apos; » devant le nom</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>of a ball</source>
        <translation>d&apos;une balle</translation>
    </message>
    <message>
        <source>of the point of a javelin</source>
        <translation>de la pointe d&apos;un javelot</translation>
    </message>
    <message>
        <source>of the centre of the Earth</source>
        <translation>du centre de la Terre</translation>
    </message>
    <message>
        <source>Change name and colour of every mark</source>
        <translation>Modifier le nom et la couleur de chaque point</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BoiteOptionsText</name>
    <message>
        <source>Customize tools bar (button pressed = hidden tool)</source>
        <translation>Personnaliser la barre d&apos;outils (bouton enfoncé = outil masqué)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Dialog boxes</source>
        <translation>Boîtes de dialogue</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu Fichier</translation>
    </message>
    <message>
        <source>Display menu</source>
        <translation>Menu Affichage</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Grandeurs polaires</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Montage</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Suivi automatique</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Capture vidéo</translation>
    </message>
    <message>
        <source>Studio</source>
        <translation>Studio</translation>
    </message>
    <message>
        <source>Video studio</source>
        <translation>Studio vidéo</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Évolution en fonction du temps</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trajectoire dans le référentiel</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Représentation des vecteurs</translation>
    </message>
    <message>
        <source>Quick view</source>
        <translation>Aperçu rapide</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Formules personnalisées</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Formules et constantes</translation>
    </message>
    <message>
        <source>Common options of graphs</source>
        <translation>Options communes des graphiques</translation>
    </message>
    <message>
        <source>Change ...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Default directory</source>
        <translation>Dossier par défaut</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Associate KLB extension to Kolibra program</source>
        <translation>Associer l&apos;extension KLB au programme Kolibra</translation>
    </message>
    <message>
        <source>|Initialize or clean the association of KLB files in the desktop</source>
        <translation>|Créer ou supprimer l&apos;association des fichiers KLB dans le bureau</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>An error occurred while writing the association of KLB files:</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture de l&apos;association des fichiers KLB :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>La langue du bureau (%1)</translation>
    </message>
    <message>
        <source>Applied at the next start of Kolibra.</source>
        <translation>Pris en compte au prochain démarrage de Kolibra.</translation>
    </message>
</context>
<context>
    <name>BoiteProprietesText</name>
    <message>
        <source>Information on the video file</source>
        <translation>Informations sur le fichier vidéo</translation>
    </message>
    <message>
        <source>Frame rate: %.3g</source>
        <translation>Fréquence d&apos;images : %.3g</translation>
    </message>
    <message>
        <source>Image width in pixels: %d</source>
        <translation>Largeur de l&apos;image en pixels : %d</translation>
    </message>
    <message>
        <source>Image height in pixels: %d</source>
        <translation>Hauteur de l&apos;image en pixels : %d</translation>
    </message>
    <message>
        <source>Total number of images: %d</source>
        <translation>Nombre total d&apos;images : %d</translation>
    </message>
    <message>
        <source>Video length: %.3g s</source>
        <translation>Durée de la vidéo : %.3g s</translation>
    </message>
    <message>
        <source>Rotation: %d°</source>
        <translation>Rotation : %d°</translation>
    </message>
    <message>
        <source>, mirrored</source>
        <translation>, en miroir</translation>
    </message>
    <message>
        <source> (ignored)</source>
        <translation> (ignorée)</translation>
    </message>
    <message>
        <source>Recorded at %.4g frames/s</source>
        <translation>Enregistrée à %.4g images/s</translation>
    </message>
    <message>
        <source>Frame durations vary</source>
        <translation>La durée des images varie</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Show the pictures as stored (ignore the rotation)</source>
        <translation>Afficher les images telles qu&apos;elles sont stockées (ignorer la rotation)</translation>
    </message>
</context>
<context>
    <name>BoiteTempsText</name>
    <message>
        <source>The video file was captured with a frame rate of</source>
        <translation>Le fichier vidéo a été enregistré avec une fréquence de</translation>
    </message>
    <message>
        <source>images / second.</source>
        <translation>images / seconde.</translation>
    </message>
    <message>
        <source>The interval between 2 successive images is then</source>
        <translation>L&apos;intervalle entre 2 images successives est donc</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Les images de cette vidéo ne durent pas toutes le même temps.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Valeur saisie :</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Cette chaîne n&apos;est pas un nombre réel valide.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La chaîne doit contenir un signe (facultatif), des chiffres, un séparateur décimal (facultatif), puis un exposant (facultatif).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>L&apos;exposant contient « E » ou « e » suivi d&apos;un signe (facultatif) et d&apos;un entier.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Tapez une valeur dans l&apos;intervalle indiqué :</translation>
    </message>
    <message>
        <source>1 µs &lt; time interval &lt; 1 Gs</source>
        <translation>1 µs &lt; intervalle de temps &lt; 1 Gs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This video was recorded at %1 frames/s, stored at %2.</source>
        <translation>Cette vidéo a été enregistrée à %1 images/s, stockée à %2.</translation>
    </message>
    <message>
        <source>Use the video&apos;s time stamps</source>
        <translation>Utiliser l&apos;horodatage de la vidéo</translation>
    </message>
    <message>
        <source>Interval between 2 frames</source>
        <translation>Intervalle entre 2 images</translation>
    </message>
    <message>
        <source>Duration represented by T</source>
        <translation>Durée représentée par T</translation>
    </message>
    <message>
        <source>Use the default value T = </source>
        <translation>Utiliser la valeur par défaut T = </translation>
    </message>
    <message>
        <source>Choose another value:</source>
        <translation>Choisir une autre valeur :</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>seconde(s)</translation>
    </message>
</context>
<context>
    <name>BoiteValeurText</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Define grid rotation angle</source>
        <translation>Angle de rotation de la grille</translation>
    </message>
    <message>
        <source>Grid rotation angle in degree(s)</source>
        <translation>Angle de rotation de la grille en degrés</translation>
    </message>
    <message>
        <source>-180° &lt;= angle &lt;= +180° trigonometric-wise</source>
        <translation>-180° &lt;= angle &lt;= +180° dans le sens trigonométrique</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Number of frames per second (fps)</source>
        <translation>Nombre d&apos;images par seconde (im/s)</translation>
    </message>
    <message>
        <source>1 fps &lt;= frame rate &lt;= 100 fps</source>
        <translation>1 im/s &lt;= fréquence &lt;= 100 im/s</translation>
    </message>
    <message>
        <source>Calibrate a segment</source>
        <translation>Étalonner un segment</translation>
    </message>
    <message>
        <source>Segment length in meter(s)</source>
        <translation>Longueur du segment en mètres</translation>
    </message>
    <message>
        <source>1 mm &lt; segment length &lt; 15 Tm</source>
        <translation>1 mm &lt; longueur du segment &lt; 15 Tm</translation>
    </message>
    <message>
        <source>Search radius for target</source>
        <translation>Rayon de recherche de la cible</translation>
    </message>
    <message>
        <source>Search radius (in pixels)</source>
        <translation>Rayon de recherche (en pixels)</translation>
    </message>
    <message>
        <source>Max distance between 2 successive positions of the target, in pixels of the unmodified image</source>
        <translation>Distance maximale entre 2 positions successives de la cible, en pixels de l&apos;image non modifiée</translation>
    </message>
    <message>
        <source>%d &lt;= maximum distance &lt;= %d</source>
        <translation>%d &lt;= distance maximale &lt;= %d</translation>
    </message>
    <message>
        <source>Define last frame number for tracking</source>
        <translation>Dernière image du suivi</translation>
    </message>
    <message>
        <source>Number of last frame</source>
        <translation>Numéro de la dernière image</translation>
    </message>
    <message>
        <source>First frame of the sequence shows the object&apos;s outline</source>
        <translation>La première image de la séquence montre le contour de l&apos;objet</translation>
    </message>
    <message>
        <source>%d &lt;= number &lt;= %d</source>
        <translation>%d &lt;= numéro &lt;= %d</translation>
    </message>
    <message>
        <source>Draw last marks</source>
        <translation>Afficher les derniers points</translation>
    </message>
    <message>
        <source>Number of marks to draw</source>
        <translation>Nombre de points à afficher</translation>
    </message>
    <message>
        <source>number &gt;= 1</source>
        <translation>nombre &gt;= 1</translation>
    </message>
    <message>
        <source>Define number of marks per image</source>
        <translation>Nombre de points par image</translation>
    </message>
    <message>
        <source>Number of marks per image</source>
        <translation>Nombre de points par image</translation>
    </message>
    <message>
        <source>Find an image with its number</source>
        <translation>Aller à une image par son numéro</translation>
    </message>
    <message>
        <source>New image number</source>
        <translation>Numéro de la nouvelle image</translation>
    </message>
    <message>
        <source>Define object number for tracking</source>
        <translation>Objet à suivre</translation>
    </message>
    <message>
        <source>Object number</source>
        <translation>Numéro de l&apos;objet</translation>
    </message>
    <message>
        <source>Tracking can handle 1 object at a time</source>
        <translation>Le suivi ne peut traiter qu&apos;un objet à la fois</translation>
    </message>
    <message>
        <source>Number of images separating 2 similar marks</source>
        <translation>Nombre d&apos;images séparant 2 points semblables</translation>
    </message>
    <message>
        <source>Number of images for automatic forward</source>
        <translation>Nombre d&apos;images de l&apos;avance automatique</translation>
    </message>
    <message>
        <source>The next frame is automatically shown after the last mark is set.</source>
        <translation>L&apos;image suivante s&apos;affiche automatiquement une fois le dernier point placé.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Valeur saisie :</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Cette chaîne n&apos;est pas un nombre réel valide.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La chaîne doit contenir un signe (facultatif), des chiffres, un séparateur décimal (facultatif), puis un exposant (facultatif).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>L&apos;exposant contient « E » ou « e » suivi d&apos;un signe (facultatif) et d&apos;un entier.</translation>
    </message>
    <message>
        <source>This string is not a  suitable integer.</source>
        <translation>Cette chaîne n&apos;est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Tapez une valeur dans l&apos;intervalle indiqué :</translation>
    </message>
</context>
<context>
    <name>CalculatriceText</name>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
</context>
<context>
    <name>CaptureText</name>
    <message>
        <source>Not enough memory for a picture.</source>
        <translation>Mémoire insuffisante pour une image.</translation>
    </message>
    <message>
        <source>The camera&apos;s pixel format cannot be converted.</source>
        <translation>Le format de pixels de la caméra ne peut pas être converti.</translation>
    </message>
    <message>
        <source>The camera sent an incomplete picture.</source>
        <translation>La caméra a envoyé une image incomplète.</translation>
    </message>
    <message>
        <source>No Motion JPEG decoder.</source>
        <translation>Aucun décodeur Motion JPEG.</translation>
    </message>
    <message>
        <source>The camera sent a damaged picture.</source>
        <translation>La caméra a envoyé une image endommagée.</translation>
    </message>
    <message>
        <source>GStreamer cannot start.</source>
        <translation>GStreamer ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>The capture pipeline cannot be built.</source>
        <translation>La chaîne de capture ne peut pas être construite.</translation>
    </message>
    <message>
        <source>The selected capture device does not respond.</source>
        <translation>Le périphérique de capture choisi ne répond pas.</translation>
    </message>
    <message>
        <source>Capture setup</source>
        <translation>Réglages de la capture</translation>
    </message>
    <message>
        <source>Choose a capture device:</source>
        <translation>Choisissez un périphérique de capture :</translation>
    </message>
    <message>
        <source>The two frameworks (VFW and DirectShow) can be used to control your capture device.</source>
        <translation>Les deux interfaces (VFW et DirectShow) peuvent piloter votre périphérique de capture.</translation>
    </message>
    <message>
        <source>The quality of the captured video can depend on this choice.</source>
        <translation>La qualité de la vidéo capturée peut dépendre de ce choix.</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Compression Codec: %s</source>
        <translation>Codec de compression : %s</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Les codecs ne sont pas normalisés. Ils évoluent sans cesse et de nouvelles versions sortent souvent.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Le choix d&apos;un codec demande souvent des essais.</translation>
    </message>
    <message>
        <source>Capture format:</source>
        <translation>Format de capture :</translation>
    </message>
    <message>
        <source>The size of the images and the number of frames per second are related.</source>
        <translation>La taille des images et le nombre d&apos;images par seconde sont liés.</translation>
    </message>
    <message>
        <source>The different pairs of values are required by the capture device driver.</source>
        <translation>Les différents couples de valeurs sont imposés par le pilote du périphérique de capture.</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 im/s</translation>
    </message>
    <message>
        <source>Number of frames per second (fps):</source>
        <translation>Nombre d&apos;images par seconde (im/s) :</translation>
    </message>
    <message>
        <source>The requested value will not be fully respected by the capture device.</source>
        <translation>La valeur demandée ne sera pas exactement respectée par le périphérique de capture.</translation>
    </message>
    <message>
        <source>Images of large size and a high number of frames per second are often incompatible.</source>
        <translation>Des images de grande taille et un grand nombre d&apos;images par seconde sont souvent incompatibles.</translation>
    </message>
    <message>
        <source>Start recording after</source>
        <translation>Démarrer l&apos;enregistrement après</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Durée de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>seconde(s)</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>Capture device properties</source>
        <translation>Propriétés du périphérique de capture</translation>
    </message>
    <message>
        <source>This capture device has no settings of its own.</source>
        <translation>Ce périphérique de capture n&apos;a pas de réglages propres.</translation>
    </message>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>La taille ou la fréquence d&apos;images de la vidéo n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>This FFmpeg has no camera input.</source>
        <translation>Ce FFmpeg n&apos;a pas d&apos;entrée caméra.</translation>
    </message>
    <message>
        <source>Recording will start after %d second(s) </source>
        <translation>L&apos;enregistrement commencera dans %d seconde(s) </translation>
    </message>
    <message>
        <source>Number of captured images:</source>
        <translation>Nombre d&apos;images capturées :</translation>
    </message>
    <message>
        <source>Number of lost images:</source>
        <translation>Nombre d&apos;images perdues :</translation>
    </message>
    <message>
        <source>Capture has failed. File has not been saved.</source>
        <translation>La capture a échoué. Le fichier n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The temporary folder cannot be written.</source>
        <translation>Le dossier temporaire n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The recording has stopped:</source>
        <translation>L&apos;enregistrement s&apos;est arrêté :</translation>
    </message>
    <message>
        <source>The file cannot be written.</source>
        <translation>Le fichier ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>What was recorded up to there is kept.</source>
        <translation>Ce qui a été enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <source>A Plug and Play device was disconnected.</source>
        <translation>Un périphérique Plug and Play a été débranché.</translation>
    </message>
    <message>
        <source>A Plug and Play device was reconnected.</source>
        <translation>Un périphérique Plug and Play a été rebranché.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Fichier vidéo (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Un fichier de ce nom existe déjà dans le dossier choisi.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Veuillez choisir un autre nom de fichier ou un autre dossier.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>La création du fichier dans le dossier choisi a échoué.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Vérifiez vos droits d&apos;accès à ce dossier.</translation>
    </message>
    <message>
        <source>without</source>
        <translation>sans</translation>
    </message>
    <message>
        <source>No capture device found.</source>
        <translation>Aucun périphérique de capture trouvé.</translation>
    </message>
    <message>
        <source>No capture device selected.</source>
        <translation>Aucun périphérique de capture choisi.</translation>
    </message>
</context>
<context>
    <name>ClavierText</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Comments and units</source>
        <translation>Commentaires et unités</translation>
    </message>
    <message>
        <source>Keyboard help</source>
        <translation>Aide du clavier</translation>
    </message>
</context>
<context>
    <name>DSPlayText</name>
    <message>
        <source>GStreamer cannot be started.</source>
        <translation>GStreamer ne peut pas être démarré.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>C&apos;est un dossier, pas un fichier vidéo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier vidéo mais un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>GStreamer shows the B-frames of this AVI file at the wrong times.</source>
        <translation>GStreamer affiche les images B de ce fichier AVI à de mauvais instants.</translation>
    </message>
    <message>
        <source>The GStreamer elements Kolibra needs are not installed.</source>
        <translation>Les éléments GStreamer dont Kolibra a besoin ne sont pas installés.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file.</source>
        <translation>GStreamer ne peut pas lire ce fichier.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file: %1</source>
        <translation>GStreamer ne peut pas lire ce fichier : %1</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>Le fichier ne contient aucun flux vidéo.</translation>
    </message>
    <message>
        <source>GStreamer has no decoder for the video of this file (%1).</source>
        <translation>GStreamer n&apos;a pas de décodeur pour la vidéo de ce fichier (%1).</translation>
    </message>
    <message>
        <source>GStreamer took too long to read this file.</source>
        <translation>GStreamer a mis trop de temps à lire ce fichier.</translation>
    </message>
    <message>
        <source>GStreamer shows wrong frames of MPEG program streams.</source>
        <translation>GStreamer affiche de mauvaises images pour les flux MPEG « program stream ».</translation>
    </message>
    <message>
        <source>GStreamer reads MPEG transport streams too slowly; the FFmpeg reader reads them.</source>
        <translation>GStreamer lit trop lentement les flux MPEG « transport stream » ; c&apos;est le lecteur FFmpeg qui les lit.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>La première image du fichier ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The frame size of this file cannot be read.</source>
        <translation>La taille des images de ce fichier ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>La taille d&apos;image %1 x %2 annoncée par le fichier n&apos;est pas plausible : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Le fichier n&apos;indique aucune fréquence d&apos;images.</translation>
    </message>
    <message>
        <source>The length of this file cannot be read.</source>
        <translation>La durée de ce fichier ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The file holds no frame.</source>
        <translation>Le fichier ne contient aucune image.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
</context>
<context>
    <name>DSRecordText</name>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>A GStreamer element is missing: %1.</source>
        <translation>Il manque un élément GStreamer : %1.</translation>
    </message>
    <message>
        <source>The encoder cannot be linked to the AVI writer.</source>
        <translation>L&apos;encodeur ne peut pas être relié au multiplexeur AVI.</translation>
    </message>
    <message>
        <source>The pipeline is not running.</source>
        <translation>La chaîne de traitement n&apos;est pas en marche.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The pipeline cannot start.</source>
        <translation>La chaîne de traitement ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>The pipeline refused a frame.</source>
        <translation>La chaîne de traitement a refusé une image.</translation>
    </message>
    <message>
        <source>The encoder stopped taking frames.</source>
        <translation>L&apos;encodeur n&apos;accepte plus d&apos;images.</translation>
    </message>
    <message>
        <source>The pipeline refused the end of the video.</source>
        <translation>La chaîne de traitement a refusé la fin de la vidéo.</translation>
    </message>
    <message>
        <source>The video was not completed in time.</source>
        <translation>La vidéo n&apos;a pas été terminée à temps.</translation>
    </message>
    <message>
        <source>The encoder gave out %1 frames of %2.</source>
        <translation>L&apos;encodeur n&apos;a rendu que %1 images sur %2.</translation>
    </message>
    <message>
        <source>GStreamer or its AVI writer is not installed.</source>
        <translation>GStreamer ou son module d&apos;écriture AVI n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Aucun codec ne s&apos;appelle « %1 ».</translation>
    </message>
</context>
<context>
    <name>FileSearchText</name>
    <message>
        <source>Search a file</source>
        <translation>Rechercher un fichier</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>No file found.</source>
        <translation>Aucun fichier trouvé.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found.</source>
        <translation>
            <numerusform>%n fichier trouvé.</numerusform>
            <numerusform>%n fichiers trouvés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>no comment</source>
        <translation>sans commentaire</translation>
    </message>
    <message>
        <source>no unit</source>
        <translation>sans unité</translation>
    </message>
    <message>
        <source>Variable name already in use in a hidden column: %1</source>
        <translation>Nom de variable déjà utilisé dans une colonne masquée : %1</translation>
    </message>
    <message>
        <source>A name cannot start with a number and can contain only letters of numbers. Incorrect variable or constant: %1</source>
        <translation>Un nom ne peut pas commencer par un chiffre et ne peut contenir que des lettres ou des chiffres. Variable ou constante incorrecte : %1</translation>
    </message>
    <message>
        <source>Name already in use (comparison is not case-sensitive). Repeated variable or constant: %1</source>
        <translation>Nom déjà utilisé (la comparaison ne tient pas compte de la casse). Variable ou constante répétée : %1</translation>
    </message>
    <message>
        <source>Identical formulas detected (comparison is not case sensitive): %1.</source>
        <translation>Formules identiques détectées (la comparaison ne tient pas compte de la casse) : %1.</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>L&apos;indice d&apos;une variable ou d&apos;une constante se place normalement entre crochets. Indice inconnu entre crochets. Variable ou constante erronée : %1</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>Le module de calcul a détecté une erreur. Opération annulée.</translation>
    </message>
    <message>
        <source>Name identical to that of a preset variable (comparison is not case-sensitive). Variable: %1</source>
        <translation>Nom identique à celui d&apos;une variable prédéfinie (la comparaison ne tient pas compte de la casse). Variable : %1</translation>
    </message>
    <message>
        <source>Number is too big or too small</source>
        <translation>Nombre trop grand ou trop petit</translation>
    </message>
    <message>
        <source>No value can be computed (index may be too big). This variable cannot be calculated: %1</source>
        <translation>Aucune valeur ne peut être calculée (l&apos;indice est peut-être trop grand). Cette variable ne peut pas être calculée : %1</translation>
    </message>
    <message>
        <source>Circular definition: these variables or constants are calculated from each other and have no value: %1</source>
        <translation>Définition circulaire : ces variables ou constantes sont calculées les unes à partir des autres et n&apos;ont pas de valeur : %1</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La chaîne doit contenir un signe (facultatif), des chiffres, un séparateur décimal (facultatif), puis un exposant (facultatif).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>L&apos;exposant contient « E » ou « e » suivi d&apos;un signe (facultatif) et d&apos;un entier.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GElemText</name>
    <message>
        <source>Circle girth</source>
        <translation>Périmètre du cercle</translation>
    </message>
    <message>
        <source>radius length</source>
        <translation>Longueur du rayon</translation>
    </message>
    <message>
        <source>Angle with the horizontal axis</source>
        <translation>Angle avec l&apos;axe horizontal</translation>
    </message>
    <message>
        <source>Ellipse girth</source>
        <translation>Périmètre de l&apos;ellipse</translation>
    </message>
    <message>
        <source>Length of semi-major axis</source>
        <translation>Longueur du demi-grand axe</translation>
    </message>
    <message>
        <source>Length of semi-minor axis</source>
        <translation>Longueur du demi-petit axe</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Longueur du segment</translation>
    </message>
    <message>
        <source>Curve length</source>
        <translation>Longueur de la courbe</translation>
    </message>
    <message>
        <source>Vector norm</source>
        <translation>Norme du vecteur</translation>
    </message>
    <message>
        <source>Acute angle between the lines</source>
        <translation>Angle aigu entre les droites</translation>
    </message>
    <message>
        <source>Arc length</source>
        <translation>Longueur de l&apos;arc</translation>
    </message>
    <message>
        <source>Angle between radiuses</source>
        <translation>Angle entre les rayons</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinie</translation>
    </message>
</context>
<context>
    <name>GraphCliText</name>
    <message>
        <source>Unknown view &quot;%1&quot;: time, trajectory, vectors or formulas.</source>
        <translation>Vue inconnue « %1 » : time, trajectory, vectors ou formulas.</translation>
    </message>
    <message>
        <source>Unknown model &quot;%1&quot;: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin.</source>
        <translation>Modèle inconnu « %1 » : constant, proportional, affine, exponential, parabola, sine, damped-sine-exp ou damped-sine-lin.</translation>
    </message>
    <message>
        <source>Models are laid over the time and formulas views only.</source>
        <translation>Les modèles ne se superposent qu&apos;aux vues time et formulas.</translation>
    </message>
    <message>
        <source>The trajectory view takes no --quantity.</source>
        <translation>La vue trajectory n&apos;accepte pas --quantity.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>Le module de calcul a détecté une erreur.</translation>
    </message>
    <message>
        <source>No quantity &quot;%1&quot; in the results: X, Y, vx, vy, v, ax, ay, a, O, R or w.</source>
        <translation>Pas de grandeur « %1 » dans les résultats : X, Y, vx, vy, v, ax, ay, a, O, R ou w.</translation>
    </message>
    <message>
        <source>The vectors view shows &quot;v&quot; (velocity) or &quot;a&quot; (acceleration).</source>
        <translation>La vue vectors montre « v » (vitesse) ou « a » (accélération).</translation>
    </message>
    <message>
        <source>The work file holds no formula to draw.</source>
        <translation>Le fichier de travail ne contient aucune formule à tracer.</translation>
    </message>
    <message>
        <source>No formula named &quot;%1&quot;.</source>
        <translation>Aucune formule nommée « %1 ».</translation>
    </message>
    <message>
        <source>A model is laid over one curve at a time.</source>
        <translation>Un modèle se superpose à une seule courbe à la fois.</translation>
    </message>
    <message>
        <source>The picture is written as a .svg or a .png file.</source>
        <translation>L&apos;image est écrite dans un fichier .svg ou .png.</translation>
    </message>
</context>
<context>
    <name>GraphText</name>
    <message>
        <source>Pictures are saved as .svg, .png, .bmp or .jpg files.</source>
        <translation>Les images sont enregistrées dans des fichiers .svg, .png, .bmp ou .jpg.</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Bend</source>
        <translation>Courber</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Inverser le sens</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Arc</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vecteur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>|Click on the object or draw round the objects to select them (only the objects entirely contained in your selection zone will be selected)</source>
        <translation>|Cliquez sur l&apos;objet ou entourez les objets pour les sélectionner (seuls les objets entièrement contenus dans la zone de sélection seront sélectionnés)</translation>
    </message>
    <message>
        <source>|Draw an acute angle defined by 2 straight lines with the mouse</source>
        <translation>|Tracez à la souris un angle aigu défini par 2 droites</translation>
    </message>
    <message>
        <source>|Draw an arc with the mouse</source>
        <translation>|Tracez un arc à la souris</translation>
    </message>
    <message>
        <source>Draw a circle with the mouse from its center</source>
        <translation>Tracez un cercle à la souris à partir de son centre</translation>
    </message>
    <message>
        <source>|Draw an ellipse from its center with the mouse</source>
        <translation>|Tracez une ellipse à la souris à partir de son centre</translation>
    </message>
    <message>
        <source>|Draw a segment with the mouse</source>
        <translation>|Tracez un segment à la souris</translation>
    </message>
    <message>
        <source>|Left-click = add a control point; double left-click = finish</source>
        <translation>|Clic gauche = ajouter un point de contrôle ; double clic gauche = terminer</translation>
    </message>
    <message>
        <source>|Draw a vector with the mouse</source>
        <translation>|Tracez un vecteur à la souris</translation>
    </message>
    <message>
        <source>|Curve an arc by grabbing its circumference or its radiuses with the mouse</source>
        <translation>|Courbez un arc en saisissant à la souris sa circonférence ou ses rayons</translation>
    </message>
    <message>
        <source>|The mouse pointer position over the curve determines the parameter which will be modified; press CTRL or ALT at the same time to slow down alteration</source>
        <translation>|La position du pointeur de la souris sur la courbe détermine le paramètre modifié ; maintenez CTRL ou ALT appuyée en même temps pour ralentir la modification</translation>
    </message>
    <message>
        <source>|Drag an drop the figure with the mouse</source>
        <translation>|Faites glisser la figure avec la souris</translation>
    </message>
    <message>
        <source>|Mouse pointer coordinates :</source>
        <translation>|Coordonnées du pointeur de la souris :</translation>
    </message>
    <message>
        <source>|To select more than 1 objects, keep SHIFT pressed and click each object</source>
        <translation>|Pour sélectionner plusieurs objets, maintenez MAJ appuyée et cliquez sur chaque objet</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Survolez la courbe avec la souris pour voir les paramètres</translation>
    </message>
    <message>
        <source>|Measure an angle or a value with mouse when cursor changes to a cross</source>
        <translation>|Mesurez un angle ou une valeur à la souris quand le curseur devient une croix</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Clic gauche = agrandir ; clic droit = réduire ; maintenez CTRL appuyée pour ralentir</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Grid rotation in the trigonometric direction %s %s %s</source>
        <translation>Rotation de la grille dans le sens trigonométrique %s %s %s</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
</context>
<context>
    <name>KinematicsResultsText</name>
    <message>
        <source>An object has fewer than 3 marks: its velocity and acceleration cannot be calculated.</source>
        <translation>Un objet a moins de 3 points : sa vitesse et son accélération ne peuvent pas être calculées.</translation>
    </message>
    <message>
        <source>There is no object to calculate.</source>
        <translation>Il n&apos;y a aucun objet à calculer.</translation>
    </message>
    <message>
        <source>The scale is not defined: place both ends of the scale and type its length.</source>
        <translation>L&apos;échelle n&apos;est pas définie : placez les deux extrémités de l&apos;échelle et tapez sa longueur.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>Aucune vidéo n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>The interval between 2 frames is zero.</source>
        <translation>L&apos;intervalle entre 2 images est nul.</translation>
    </message>
    <message>
        <source>Two marked frames fall at the same time.</source>
        <translation>Deux images pointées tombent au même instant.</translation>
    </message>
    <message>
        <source>The times and the positions of an object do not match.</source>
        <translation>Les dates et les positions d&apos;un objet ne correspondent pas.</translation>
    </message>
    <message>
        <source>Smoothing failed: no curve could be fitted to the marks.</source>
        <translation>Le lissage a échoué : aucune courbe n&apos;a pu être ajustée aux points.</translation>
    </message>
    <message>
        <source>Smoothing failed: fewer than 2 marks to fit.</source>
        <translation>Le lissage a échoué : moins de 2 points à ajuster.</translation>
    </message>
    <message>
        <source>Smoothing failed: no coefficient left to fit.</source>
        <translation>Le lissage a échoué : il ne reste aucun coefficient à ajuster.</translation>
    </message>
    <message>
        <source>Smoothing failed: every mark lies at the same time.</source>
        <translation>Le lissage a échoué : tous les points sont au même instant.</translation>
    </message>
    <message>
        <source>Calculation error %1.</source>
        <translation>Erreur de calcul %1.</translation>
    </message>
    <message>
        <source>The y axis does not point up: the potential energy Ep and the mechanical energy Em are left undefined.</source>
        <translation>L&apos;axe des y n&apos;est pas orienté vers le haut : l&apos;énergie potentielle Ep et l&apos;énergie mécanique Em restent indéfinies.</translation>
    </message>
</context>
<context>
    <name>KlbText</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>Unable to open this work file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier de travail.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Vérifiez qu&apos;il n&apos;a pas été déplacé.</translation>
    </message>
    <message>
        <source>This file is too large to be a Kolibra work file.</source>
        <translation>Ce fichier est trop gros pour être un fichier de travail Kolibra.</translation>
    </message>
    <message>
        <source>Work files are never larger than 128 MiB.</source>
        <translation>Un fichier de travail ne dépasse jamais 128 Mio.</translation>
    </message>
    <message>
        <source>Unable to read this work file.</source>
        <translation>Impossible de lire ce fichier de travail.</translation>
    </message>
    <message>
        <source>Check that you may read it.</source>
        <translation>Vérifiez que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>This is not a Kolibra work file: it names no video.</source>
        <translation>Ce n&apos;est pas un fichier de travail Kolibra : il ne désigne aucune vidéo.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo. Problèmes possibles et suggestions :</translation>
    </message>
    <message>
        <source>This work file is damaged:</source>
        <translation>Ce fichier de travail est endommagé :</translation>
    </message>
    <message>
        <source>The video has %1 frames, but the work was measured on a video of %2 frames.</source>
        <translation>La vidéo a %1 images, mais le travail a été mesuré sur une vidéo de %2 images.</translation>
    </message>
    <message>
        <source>Its video editing is dropped, and the marks past the last frame are removed.</source>
        <translation>Son montage vidéo est abandonné et les points au-delà de la dernière image sont supprimés.</translation>
    </message>
    <message>
        <source>%1 marks lay on frames the video does not show; they were removed.</source>
        <translation>%1 points se trouvaient sur des images que la vidéo ne montre pas ; ils ont été supprimés.</translation>
    </message>
</context>
<context>
    <name>KlbVffText</name>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>C&apos;est un dossier, pas un fichier vidéo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier vidéo mais un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>FFmpeg does not recognise this file as a video (%1).</source>
        <translation>FFmpeg ne reconnaît pas ce fichier comme une vidéo (%1).</translation>
    </message>
    <message>
        <source>The streams of this file cannot be read (%1).</source>
        <translation>Les flux de ce fichier ne peuvent pas être lus (%1).</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>Aucun décodeur n&apos;est disponible pour le codec vidéo « %1 » de ce fichier.</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>Le fichier ne contient aucun flux vidéo.</translation>
    </message>
    <message>
        <source>The frame size announced by the file is missing or not plausible: the file is damaged.</source>
        <translation>La taille d&apos;image annoncée par le fichier manque ou n&apos;est pas plausible : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>La taille d&apos;image %1 x %2 annoncée par le fichier n&apos;est pas plausible : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file does not give its frame rate.</source>
        <translation>Le fichier n&apos;indique pas sa fréquence d&apos;images.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>La première image du fichier ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started (%2).</source>
        <translation>Le décodeur du codec « %1 » ne peut pas démarrer (%2).</translation>
    </message>
    <message>
        <source>The video stream holds no picture.</source>
        <translation>Le flux vidéo ne contient aucune image.</translation>
    </message>
    <message>
        <source>The video stream holds no keyframe to start decoding from.</source>
        <translation>Le flux vidéo ne contient aucune image clé à partir de laquelle commencer le décodage.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The video cannot be positioned on frame %1.</source>
        <translation>La vidéo ne peut pas être positionnée sur l&apos;image %1.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be decoded.</source>
        <translation>L&apos;image %1 ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The file ends at frame %1: the frames after it are missing or damaged.</source>
        <translation>Le fichier s&apos;arrête à l&apos;image %1 : les images suivantes manquent ou sont endommagées.</translation>
    </message>
</context>
<context>
    <name>KolibraCliText</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1, line %2: expected two numbers separated by a tab (&quot;.&quot; decimals): %3</source>
        <translation>%1, ligne %2 : deux nombres séparés par une tabulation sont attendus (décimales avec « . ») : %3</translation>
    </message>
    <message>
        <source>%1 holds no sample.</source>
        <translation>%1 ne contient aucun échantillon.</translation>
    </message>
    <message>
        <source>Unknown model: %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin).</source>
        <translation>Modèle inconnu : %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp ou damped-sine-lin).</translation>
    </message>
    <message>
        <source>The frames %1 to %2 are not all in this video (frames 0 to %3).</source>
        <translation>Les images %1 à %2 ne sont pas toutes dans cette vidéo (images 0 à %3).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli eval EXPRESSION [--radian]
Evaluates an expression of the formula language without variables; angles are in degrees unless --radian is given.</source>
        <translation>Usage : kolibra-cli eval EXPRESSION [--radian]
Évalue une expression du langage des formules, sans variables ; les angles sont en degrés sauf si --radian est donné.</translation>
    </message>
    <message>
        <source>The results of the measurement on the layer.</source>
        <translation>Les résultats de la mesure sur le calque.</translation>
    </message>
    <message>
        <source>tsv (the datasheet&apos;s text form, by default), csv or json.</source>
        <translation>tsv (la forme texte du tableau de valeurs, par défaut), csv ou json.</translation>
    </message>
    <message>
        <source>The mass of an object in kilograms, for this run (may be repeated).</source>
        <translation>La masse d&apos;un objet en kilogrammes, pour cette exécution (peut être répété).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</source>
        <translation>Usage : kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</translation>
    </message>
    <message>
        <source>--format must be tsv, csv or json: %1</source>
        <translation>--format doit valoir tsv, csv ou json : %1</translation>
    </message>
    <message>
        <source>--mass must be NAME=KG with a mass above zero in kilograms: %1</source>
        <translation>--mass doit être de la forme NAME=KG, avec une masse positive en kilogrammes : %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli resave IN.klb OUT.klb</source>
        <translation>Usage : kolibra-cli resave IN.klb OUT.klb</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</source>
        <translation>Usage : kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</translation>
    </message>
    <message>
        <source>The corners of a rectangle in the plane of the motion, in picture pixels, in the order (0,0), (W,0), (W,H), (0,H).</source>
        <translation>Les coins d&apos;un rectangle situé dans le plan du mouvement, en pixels de l&apos;image, dans l&apos;ordre (0,0), (W,0), (W,H), (0,H).</translation>
    </message>
    <message>
        <source>The rectangle&apos;s width and height in metres.</source>
        <translation>La largeur et la hauteur du rectangle en mètres.</translation>
    </message>
    <message>
        <source>The lens&apos;s radial coefficients.</source>
        <translation>Les coefficients radiaux de l&apos;objectif.</translation>
    </message>
    <message>
        <source>The focal length in pixels (the picture&apos;s width by default).</source>
        <translation>La distance focale en pixels (la largeur de l&apos;image par défaut).</translation>
    </message>
    <message>
        <source>The lens&apos;s centre in pixels (the picture&apos;s centre by default).</source>
        <translation>Le centre de l&apos;objectif en pixels (le centre de l&apos;image par défaut).</translation>
    </message>
    <message>
        <source>A line straight in reality, to fit the lens from (may be repeated).</source>
        <translation>Une ligne droite dans la réalité, pour en déduire l&apos;objectif (peut être répété).</translation>
    </message>
    <message>
        <source>A printed checkerboard filmed in the video, by its inner corners, to fit the lens from.</source>
        <translation>Un damier imprimé filmé dans la vidéo, repéré par ses coins intérieurs, pour en déduire l&apos;objectif.</translation>
    </message>
    <message>
        <source>--plane must be four corners X1,Y1;X2,Y2;X3,Y3;X4,Y4 in picture pixels: %1</source>
        <translation>--plane doit donner quatre coins X1,Y1;X2,Y2;X3,Y3;X4,Y4 en pixels de l&apos;image : %1</translation>
    </message>
    <message>
        <source>--size must be W,H in metres: %1</source>
        <translation>--size doit être W,H en mètres : %1</translation>
    </message>
    <message>
        <source>--lens must be K1 or K1,K2: %1</source>
        <translation>--lens doit être K1 ou K1,K2 : %1</translation>
    </message>
    <message>
        <source>--focal must be a length in pixels above zero: %1</source>
        <translation>--focal doit être une longueur positive en pixels : %1</translation>
    </message>
    <message>
        <source>--centre must be CX,CY in picture pixels: %1</source>
        <translation>--centre doit être CX,CY en pixels de l&apos;image : %1</translation>
    </message>
    <message>
        <source>--straight must be at least three points X,Y;X,Y;X,Y in picture pixels: %1</source>
        <translation>--straight doit donner au moins trois points X,Y;X,Y;X,Y en pixels de l&apos;image : %1</translation>
    </message>
    <message>
        <source>--checkerboard must be the board&apos;s inner corners COLSxROWS, at least 3x3: %1</source>
        <translation>--checkerboard doit donner les coins intérieurs du damier COLSxROWS, au moins 3x3 : %1</translation>
    </message>
    <message>
        <source>One line per recovery file: path, video, saved_at, marks, state.</source>
        <translation>Une ligne par fichier de récupération : path, video, saved_at, marks, state.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli recover --list</source>
        <translation>Usage : kolibra-cli recover --list</translation>
    </message>
    <message>
        <source>Unknown framework: %1 (vfw, ds or ffmpeg).</source>
        <translation>Interface inconnue : %1 (vfw, ds ou ffmpeg).</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>La qualité est un pourcentage de 10 à 100 : %1</translation>
    </message>
    <message>
        <source>The rate must be a number of frames per second above 0: %1</source>
        <translation>La fréquence doit être un nombre d&apos;images par seconde supérieur à 0 : %1</translation>
    </message>
    <message>
        <source>Write with vfw, ds or ffmpeg (vfw by default).</source>
        <translation>Écrire avec vfw, ds ou ffmpeg (vfw par défaut).</translation>
    </message>
    <message>
        <source>A codec name as kolibra-cli codecs lists it.</source>
        <translation>Un nom de codec tel que kolibra-cli codecs le donne.</translation>
    </message>
    <message>
        <source>Compression quality in percent (10 to 100).</source>
        <translation>Qualité de compression en pourcentage (10 à 100).</translation>
    </message>
    <message>
        <source>Frames per second written.</source>
        <translation>Images écrites par seconde.</translation>
    </message>
    <message>
        <source>The frame size of the video, WIDTHxHEIGHT.</source>
        <translation>La taille des images de la vidéo, LARGEURxHAUTEUR.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</source>
        <translation>Usage : kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1</source>
        <translation>La taille doit être LARGEURxHAUTEUR en pixels, par exemple 640x480 : %1</translation>
    </message>
    <message>
        <source>Resize the frames to WIDTHxHEIGHT.</source>
        <translation>Redimensionner les images en LARGEURxHAUTEUR.</translation>
    </message>
    <message>
        <source>Keep the part X,Y,WIDTH,HEIGHT of the frames.</source>
        <translation>Garder la partie X,Y,LARGEUR,HAUTEUR des images.</translation>
    </message>
    <message>
        <source>Grey frames for the montage&apos;s missing frames.</source>
        <translation>Des images grises pour les images manquantes du montage.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</source>
        <translation>Usage : kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</translation>
    </message>
    <message>
        <source>Choose --size or --crop, not both.</source>
        <translation>Choisissez --size ou --crop, pas les deux.</translation>
    </message>
    <message>
        <source>The crop must be X,Y,WIDTH,HEIGHT in pixels, such as 10,0,320,240: %1</source>
        <translation>Le recadrage doit être X,Y,LARGEUR,HAUTEUR en pixels, par exemple 10,0,320,240 : %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli stills SRC BASE</source>
        <translation>Usage : kolibra-cli stills SRC BASE</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</source>
        <translation>Usage : kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</source>
        <translation>Usage : kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</translation>
    </message>
    <message>
        <source>Cut a disc of radius R frame pixels round (X, Y) on frame F.</source>
        <translation>Découper un disque de rayon R pixels d&apos;image autour de (X, Y) sur l&apos;image F.</translation>
    </message>
    <message>
        <source>Paste on the first circle&apos;s frame instead of a white page.</source>
        <translation>Coller sur l&apos;image du premier cercle au lieu d&apos;une page blanche.</translation>
    </message>
    <message>
        <source>A circle is FRAME:X,Y,RADIUS with numbers: %1</source>
        <translation>Un cercle s&apos;écrit FRAME:X,Y,RADIUS avec des nombres : %1</translation>
    </message>
    <message>
        <source>Read with vfw, ds or ffmpeg alone, instead of Kolibra&apos;s choice.</source>
        <translation>Lire avec vfw, ds ou ffmpeg seul, au lieu du choix de Kolibra.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</source>
        <translation>Usage : kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</source>
        <translation>Usage : kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</source>
        <translation>Usage : kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>INDEX must be a whole number: %1</source>
        <translation>INDEX doit être un nombre entier : %1</translation>
    </message>
    <message>
        <source>time, trajectory, vectors or formulas.</source>
        <translation>time, trajectory, vectors ou formulas.</translation>
    </message>
    <message>
        <source>VIEW</source>
        <translation>VIEW</translation>
    </message>
    <message>
        <source>What the view shows.</source>
        <translation>Ce que montre la vue.</translation>
    </message>
    <message>
        <source>SYMBOL</source>
        <translation>SYMBOL</translation>
    </message>
    <message>
        <source>A model laid over the curve.</source>
        <translation>Un modèle superposé à la courbe.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The picture&apos;s size in pixels.</source>
        <translation>La taille de l&apos;image en pixels.</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</source>
        <translation>Usage : kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</translation>
    </message>
    <message>
        <source>The size is written WxH, each between 200 and 8000 pixels: %1</source>
        <translation>La taille s&apos;écrit WxH, chacune entre 200 et 8000 pixels : %1</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3: %4</source>
        <translation>--%1 doit être un nombre entier de %2 à %3 : %4</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</source>
        <translation>Usage : kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>An object to follow: a circle in frame pixels (may be repeated).</source>
        <translation>Un objet à suivre : un cercle en pixels de l&apos;image (peut être répété).</translation>
    </message>
    <message>
        <source>An object to follow: a polygon in frame pixels (may be repeated).</source>
        <translation>Un objet à suivre : un polygone en pixels de l&apos;image (peut être répété).</translation>
    </message>
    <message>
        <source>The frame the outline is on (0 by default).</source>
        <translation>L&apos;image où se trouve le contour (0 par défaut).</translation>
    </message>
    <message>
        <source>The last frame to track (the video&apos;s last by default).</source>
        <translation>La dernière image à suivre (la dernière de la vidéo par défaut).</translation>
    </message>
    <message>
        <source>Frames between two tracked frames (1 by default).</source>
        <translation>Nombre d&apos;images entre deux images suivies (1 par défaut).</translation>
    </message>
    <message>
        <source>Search radius in pixels, 10 to 100 (40 by default).</source>
        <translation>Rayon de recherche en pixels, de 10 à 100 (40 par défaut).</translation>
    </message>
    <message>
        <source>A zone to ignore: a polygon in frame pixels.</source>
        <translation>Une zone à ignorer : un polygone en pixels de l&apos;image.</translation>
    </message>
    <message>
        <source>--circle must be X,Y,R in frame pixels with R at least 1: %1</source>
        <translation>--circle doit être X,Y,R en pixels de l&apos;image, avec R au moins égal à 1 : %1</translation>
    </message>
    <message>
        <source>--polygon must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--polygon doit donner au moins trois points X1,Y1;X2,Y2;X3,Y3 en pixels de l&apos;image : %1</translation>
    </message>
    <message>
        <source>--ignore must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--ignore doit donner au moins trois points X1,Y1;X2,Y2;X3,Y3 en pixels de l&apos;image : %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</source>
        <translation>Usage : kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</translation>
    </message>
    <message>
        <source>The results view to print.</source>
        <translation>La vue des résultats à imprimer.</translation>
    </message>
    <message>
        <source>The page template.</source>
        <translation>Le modèle de page.</translation>
    </message>
    <message>
        <source>The graph twice on the sheet.</source>
        <translation>Le graphique deux fois sur la feuille.</translation>
    </message>
    <message>
        <source>The title printed as the header.</source>
        <translation>Le titre imprimé en en-tête.</translation>
    </message>
    <message>
        <source>--view must be time, trajectory or vectors: %1</source>
        <translation>--view doit valoir time, trajectory ou vectors : %1</translation>
    </message>
    <message>
        <source>--template must be top or full: %1</source>
        <translation>--template doit valoir top ou full : %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli COMMAND ARGUMENTS... Kolibra&apos;s engines for scripts and batch work.</source>
        <translation>Usage : kolibra-cli COMMAND ARGUMENTS... Les moteurs de Kolibra pour les scripts et les traitements par lots.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue : %1</translation>
    </message>
    <message>
        <source>The camera, as listed (&quot;Kolibra test pattern&quot; always is).</source>
        <translation>La caméra, telle qu&apos;elle est listée (« Kolibra test pattern » l&apos;est toujours).</translation>
    </message>
    <message>
        <source>0: libavdevice, 1: GStreamer.</source>
        <translation>0 : libavdevice, 1 : GStreamer.</translation>
    </message>
    <message>
        <source>The picture size.</source>
        <translation>La taille de l&apos;image.</translation>
    </message>
    <message>
        <source>Frames per second.</source>
        <translation>Images par seconde.</translation>
    </message>
    <message>
        <source>without, &quot;Motion JPEG&quot; or FFV1.</source>
        <translation>without, « Motion JPEG » ou FFV1.</translation>
    </message>
    <message>
        <source>Seconds before recording starts.</source>
        <translation>Secondes avant le début de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Seconds recorded.</source>
        <translation>Secondes enregistrées.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv: two tab-separated columns, t and the value (&quot;.&quot; decimals).</source>
        <translation>Usage : kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL : constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv : deux colonnes séparées par une tabulation, t et la valeur (décimales avec « . »).</translation>
    </message>
    <message>
        <source>--%1 needs a number (&quot;.&quot; decimals): %2</source>
        <translation>--%1 attend un nombre (décimales avec « . ») : %2</translation>
    </message>
    <message>
        <source>First abscissa fitted.</source>
        <translation>Première abscisse ajustée.</translation>
    </message>
    <message>
        <source>Last abscissa fitted.</source>
        <translation>Dernière abscisse ajustée.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was recorded.</source>
        <translation>Un fichier de ce nom existe déjà ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The duration must be at least 1 second, the delay not negative.</source>
        <translation>La durée doit être d&apos;au moins 1 seconde, et le délai ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>No capture device &quot;%1&quot;. The devices are:</source>
        <translation>Aucun périphérique de capture « %1 ». Les périphériques sont :</translation>
    </message>
    <message>
        <source>A format is WIDTHxHEIGHT: %1</source>
        <translation>Un format s&apos;écrit LARGEURxHAUTEUR : %1</translation>
    </message>
    <message>
        <source>The device has no such format. Its formats are:</source>
        <translation>Le périphérique n&apos;a pas ce format. Ses formats sont :</translation>
    </message>
    <message>
        <source>Unknown codec: %1 (%2).</source>
        <translation>Codec inconnu : %1 (%2).</translation>
    </message>
</context>
<context>
    <name>KolibraText</name>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Enseigner la mécanique par la vidéo.</translation>
    </message>
    <message>
        <source>A video, or a work file (.klb), to open instead of a sample video.</source>
        <translation>Une vidéo, ou un fichier de travail (.klb), à ouvrir au lieu d&apos;une vidéo d&apos;exemple.</translation>
    </message>
</context>
<context>
    <name>MainFormText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Backup file creation has failed.</source>
        <translation>La création du fichier de sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Some functions will not be available.</source>
        <translation>Certaines fonctions ne seront pas disponibles.</translation>
    </message>
    <message>
        <source>Welcome to Kolibra: mechanics from video.</source>
        <translation>Bienvenue dans Kolibra : la mécanique par la vidéo.</translation>
    </message>
    <message>
        <source>Calibrate the scale, place the axes, then click on the moving object in each frame.</source>
        <translation>Étalonnez l&apos;échelle, placez les axes, puis cliquez sur l&apos;objet en mouvement dans chaque image.</translation>
    </message>
    <message>
        <source>Another video opens with « File » › « Open video... » (Ctrl+O).</source>
        <translation>Pour ouvrir une autre vidéo : « Fichier » › « Ouvrir une vidéo... » (Ctrl+O).</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>Impossible d&apos;écrire le fichier vidéo sur le disque</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save project to file</source>
        <translation>Enregistrer le projet dans un fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel closing</source>
        <translation>Annuler la fermeture</translation>
    </message>
    <message>
        <source>Exit program now</source>
        <translation>Quitter le programme maintenant</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cancel opening</source>
        <translation>Annuler l&apos;ouverture</translation>
    </message>
    <message>
        <source>Ignore saving and continue</source>
        <translation>Ne pas enregistrer et continuer</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Vérifiez qu&apos;il n&apos;a pas été déplacé.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo. Problèmes possibles et suggestions :</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Les images de cette vidéo ne durent pas toutes le même temps.</translation>
    </message>
    <message>
        <source>Each frame&apos;s time is the one the video gives it (its time stamp);</source>
        <translation>La date de chaque image est celle que lui donne la vidéo (son horodatage) ;</translation>
    </message>
    <message>
        <source>the command « Time between two frames » of the « Measurements » menu can set a regular interval instead.</source>
        <translation>la commande « Durée entre deux images » du menu « Mesures » permet d&apos;imposer un intervalle régulier.</translation>
    </message>
    <message>
        <source>Times are computed from the mean interval between two frames,</source>
        <translation>Les dates sont calculées à partir de l&apos;intervalle moyen entre deux images,</translation>
    </message>
    <message>
        <source>which the command « Time between two frames » of the « Measurements » menu sets.</source>
        <translation>que fixe la commande « Durée entre deux images » du menu « Mesures ».</translation>
    </message>
    <message>
        <source>Its true interval between two frames is T = %1 s.</source>
        <translation>Son véritable intervalle entre deux images est T = %1 s.</translation>
    </message>
    <message>
        <source>Use T = %1 s</source>
        <translation>Utiliser T = %1 s</translation>
    </message>
    <message>
        <source>Keep T = %1 s</source>
        <translation>Garder T = %1 s</translation>
    </message>
    <message>
        <source>Manual marking|Set one or several marks and the video automatically moves forward</source>
        <translation>Pointage manuel|Placez un ou plusieurs points et la vidéo avance automatiquement</translation>
    </message>
    <message>
        <source>Layer|Simulate a tracing paper sheet. Its middle and its two perpendicular axes form a grid</source>
        <translation>Calque|Simule une feuille de papier calque. Son centre et ses deux axes perpendiculaires forment une grille</translation>
    </message>
    <message>
        <source>Automatic marking|Draw, by hand, the outline of an object in a video frame and the software looks for the object in the following frames</source>
        <translation>Pointage automatique|Dessinez à la main le contour d&apos;un objet sur une image de la vidéo et le logiciel recherche l&apos;objet dans les images suivantes</translation>
    </message>
    <message>
        <source>Video studio|Make a chronophotography, convert vidéo to still images or still images to video</source>
        <translation>Studio vidéo|Réaliser une chronophotographie, convertir une vidéo en images fixes ou des images fixes en vidéo</translation>
    </message>
    <message>
        <source>Video editing|Delete the repeated frames or change the duration between the preceding and the following frames</source>
        <translation>Montage vidéo|Supprimer les images répétées ou modifier la durée entre l&apos;image précédente et l&apos;image suivante</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Capture vidéo</translation>
    </message>
    <message>
        <source>Zoom in or out|Place the mouse over the zone you wish to zoom in or out of</source>
        <translation>Zoom avant ou arrière|Placez la souris sur la zone à agrandir ou à réduire</translation>
    </message>
    <message>
        <source>Pan image|Image zoom factor must be greater than 100%</source>
        <translation>Déplacer l&apos;image|Le facteur de zoom doit être supérieur à 100 %</translation>
    </message>
    <message>
        <source>Define scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Définir l&apos;échelle|Étalonner les dimensions de l&apos;image à l&apos;aide de la distance entre 2 points.</translation>
    </message>
    <message>
        <source>Define horizontal scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Définir l&apos;échelle horizontale|Étalonner les dimensions de l&apos;image à l&apos;aide de la distance entre 2 points.</translation>
    </message>
    <message>
        <source>Define vertical scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Définir l&apos;échelle verticale|Étalonner les dimensions de l&apos;image à l&apos;aide de la distance entre 2 points.</translation>
    </message>
    <message>
        <source>Calibrate a plane seen at an angle|Click the four corners of a rectangle of known size lying in the plane of the motion, then type its width and height</source>
        <translation>Étalonner un plan vu de biais|Cliquez sur les quatre coins d&apos;un rectangle de dimensions connues situé dans le plan du mouvement, puis tapez sa largeur et sa hauteur</translation>
    </message>
    <message>
        <source>Straighten the lens|Trace lines that are straight in reality (a door frame, a ruler, a board&apos;s edge): a few clicks along each, right-click to end it</source>
        <translation>Corriger l&apos;objectif|Tracez des lignes droites dans la réalité (un cadre de porte, une règle, le bord d&apos;un tableau) : quelques clics le long de chacune, clic droit pour la terminer</translation>
    </message>
    <message>
        <source>Choose, move or rotate a reference frame|Define the origin of a cartesian reference frame. Coordinates depend on this choice.</source>
        <translation>Choisir, déplacer ou tourner le repère|Définir l&apos;origine d&apos;un repère cartésien. Les coordonnées dépendent de ce choix.</translation>
    </message>
    <message>
        <source>Set marks on the trajectory|Plot the successive positions of a projectile. The video moves forward automatically.</source>
        <translation>Pointer les positions sur la trajectoire|Pointez les positions successives d&apos;un projectile. La vidéo avance automatiquement.</translation>
    </message>
    <message>
        <source>Use a layer|Use a layer to illustrate the notion of reference frame</source>
        <translation>Utiliser un calque|Utiliser un calque pour illustrer la notion de référentiel</translation>
    </message>
    <message>
        <source>Move a mark|Move a mark with the mouse</source>
        <translation>Déplacer un point|Déplacer un point avec la souris</translation>
    </message>
    <message>
        <source>Erase marks|Erase a mark; erase the marks in a rectangular zone; erase the marks of an image</source>
        <translation>Effacer des points|Effacer un point ; effacer les points d&apos;une zone rectangulaire ; effacer les points d&apos;une image</translation>
    </message>
    <message>
        <source>Name objects|Name plotted objects</source>
        <translation>Nommer les objets|Nommer les objets pointés</translation>
    </message>
    <message>
        <source>Draw the outline of an object (chronophotography)|Define the position of an object on the chronophotography corresponding to the current video frame</source>
        <translation>Dessiner le contour d&apos;un objet (chronophotographie)|Définir la position d&apos;un objet sur la chronophotographie correspondant à l&apos;image vidéo courante</translation>
    </message>
    <message>
        <source>Erase outlines (chronophotography)|Erase an outline ; erase outlines in a rectangular area ; erase the outline on the current video frame</source>
        <translation>Effacer des contours (chronophotographie)|Effacer un contour ; effacer les contours d&apos;une zone rectangulaire ; effacer le contour de l&apos;image vidéo courante</translation>
    </message>
    <message>
        <source>Save composite image to file (chronophotography)|Combine images of an object at different positions on a background image then save it to file</source>
        <translation>Enregistrer l&apos;image composée dans un fichier (chronophotographie)|Combiner des images d&apos;un objet à différentes positions sur une image de fond, puis l&apos;enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Convert current video frame to still image</source>
        <translation>Convertir l&apos;image vidéo courante en image fixe</translation>
    </message>
    <message>
        <source>Convert video to still images|Video frames hidden during editing will not be converted into still images</source>
        <translation>Convertir la vidéo en images fixes|Les images masquées lors du montage ne seront pas converties en images fixes</translation>
    </message>
    <message>
        <source>Convert still images to video</source>
        <translation>Convertir des images fixes en vidéo</translation>
    </message>
    <message>
        <source>Show or hide frame|A frame appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Afficher ou masquer l&apos;image|Une image qui apparaît en négatif ne sera plus visible après la sortie du mode montage</translation>
    </message>
    <message>
        <source>Show or hide a series of frames|The images appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Afficher ou masquer une série d&apos;images|Les images qui apparaissent en négatif ne seront plus visibles après la sortie du mode montage</translation>
    </message>
    <message>
        <source>Modify frame time|A frame is missing in the video stream, you need to change the duration between the preceding and following frames</source>
        <translation>Modifier la date de l&apos;image|Une image manque dans le flux vidéo : il faut modifier la durée entre l&apos;image précédente et l&apos;image suivante</translation>
    </message>
    <message>
        <source>Save edited video|Export edited video to file</source>
        <translation>Enregistrer la vidéo montée|Exporter la vidéo montée dans un fichier</translation>
    </message>
    <message>
        <source>Choose capture device</source>
        <translation>Choisir le périphérique de capture</translation>
    </message>
    <message>
        <source>Capture device properties |Shutter speed, luminance, contrast...</source>
        <translation>Propriétés du périphérique de capture |Vitesse d&apos;obturation, luminosité, contraste...</translation>
    </message>
    <message>
        <source>Capture format |Width and height of image in pixels</source>
        <translation>Format de capture |Largeur et hauteur de l&apos;image en pixels</translation>
    </message>
    <message>
        <source>Frame rate|Number of images per second</source>
        <translation>Fréquence d&apos;images|Nombre d&apos;images par seconde</translation>
    </message>
    <message>
        <source>Choose a compression Codec</source>
        <translation>Choisir un codec de compression</translation>
    </message>
    <message>
        <source>Recording delay and duration</source>
        <translation>Délai et durée de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Start or stop recording|On the fly compression requires more hardware resources</source>
        <translation>Démarrer ou arrêter l&apos;enregistrement|La compression à la volée demande plus de ressources matérielles</translation>
    </message>
    <message>
        <source>Draw the outline of an object|Draws the oultine of the tracked object on the image. This frame will be the first in the sequence</source>
        <translation>Dessiner le contour d&apos;un objet|Dessine le contour de l&apos;objet suivi sur l&apos;image. Cette image sera la première de la séquence</translation>
    </message>
    <message>
        <source>Draw the area to ignore|Background rectangular zone to ignore because is has the same color of the tracked object</source>
        <translation>Dessiner la zone à ignorer|Zone rectangulaire du fond à ignorer parce qu&apos;elle a la même couleur que l&apos;objet suivi</translation>
    </message>
    <message>
        <source>Delete the object&apos;s outline|Delete the object&apos;s outline without affecting past trackings</source>
        <translation>Supprimer le contour de l&apos;objet|Supprime le contour de l&apos;objet sans modifier les suivis déjà faits</translation>
    </message>
    <message>
        <source>Erase last zone to ignore|Erase latest zones first</source>
        <translation>Effacer la dernière zone à ignorer|Efface d&apos;abord les zones les plus récentes</translation>
    </message>
    <message>
        <source>Cancel automatic tracking|Cancels tracking withiout affecting already drawn oulines</source>
        <translation>Annuler le suivi automatique|Annule le suivi sans toucher aux contours déjà dessinés</translation>
    </message>
    <message>
        <source>Object number|Automatic tracking can handle 1 object at a time</source>
        <translation>Numéro de l&apos;objet|Le suivi automatique ne peut traiter qu&apos;un objet à la fois</translation>
    </message>
    <message>
        <source>Define sequence|First frame shows the object&apos;s outline. Choose the last frame of the tracking sequence</source>
        <translation>Définir la séquence|La première image montre le contour de l&apos;objet. Choisissez la dernière image de la séquence suivie</translation>
    </message>
    <message>
        <source>Start or stop automatic tracking|Automatically follows and records the trajectory of the objet</source>
        <translation>Démarrer ou arrêter le suivi automatique|Suit et enregistre automatiquement la trajectoire de l&apos;objet</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Évolution en fonction du temps</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trajectoire dans le référentiel</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Représentation des vecteurs</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Formules personnalisées</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Première image</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Dernière image</translation>
    </message>
    <message>
        <source>Frame number and total frame count|Left-click = type the number of the new frame</source>
        <translation>Numéro de l&apos;image et nombre total d&apos;images|Clic gauche = taper le numéro de la nouvelle image</translation>
    </message>
    <message>
        <source>Number of marks|Total number of marks set down</source>
        <translation>Nombre de points|Nombre total de points placés</translation>
    </message>
    <message>
        <source>Image zoom factor|Image zoom factor; left-click = return to 100%</source>
        <translation>Facteur de zoom|Facteur de zoom de l&apos;image ; clic gauche = revenir à 100 %</translation>
    </message>
    <message>
        <source>Graph basis rotation angle|Left-click = type the angle</source>
        <translation>Angle de rotation du repère|Clic gauche = taper l&apos;angle</translation>
    </message>
    <message>
        <source>Velocity or acceleration calculations need at least five marks to be reliable.</source>
        <translation>Le calcul de la vitesse ou de l&apos;accélération demande au moins cinq points pour être fiable.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>First calibrate an object of know dimension on the screen.</source>
        <translation>Étalonnez d&apos;abord à l&apos;écran un objet de dimension connue.</translation>
    </message>
    <message>
        <source>Use the Scale button.</source>
        <translation>Utilisez le bouton Échelle.</translation>
    </message>
    <message>
        <source>You have chosen to point simultaneously the positions of %u objects.</source>
        <translation>Vous avez choisi de pointer simultanément les positions de %u objets.</translation>
    </message>
    <message>
        <source>First set at least 3 marks.</source>
        <translation>Placez d&apos;abord au moins 3 points.</translation>
    </message>
    <message>
        <source>Use the Marks button.</source>
        <translation>Utilisez le bouton Points.</translation>
    </message>
    <message>
        <source>First set the origin of the axes.</source>
        <translation>Placez d&apos;abord l&apos;origine des axes.</translation>
    </message>
    <message>
        <source>Use the graph basis button.</source>
        <translation>Utilisez le bouton du repère.</translation>
    </message>
    <message>
        <source>First set at least 3 marks on the trajectory.</source>
        <translation>Placez d&apos;abord au moins 3 points sur la trajectoire.</translation>
    </message>
    <message>
        <source>With the mouse, drag and drop the layer and point the object position.</source>
        <translation>Avec la souris, faites glisser le calque et pointez la position de l&apos;objet.</translation>
    </message>
    <message>
        <source>An object name is assigned by default (« Point n°1 » for example).</source>
        <translation>Un nom est donné par défaut à chaque objet (« Point n°1 » par exemple).</translation>
    </message>
    <message>
        <source>To make results clearer, it is recommended that you use an explicit name.</source>
        <translation>Pour des résultats plus clairs, il est conseillé de donner un nom explicite.</translation>
    </message>
    <message>
        <source>Give a name</source>
        <translation>Donner un nom</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>Le module de calcul a détecté une erreur. Opération annulée.</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Aide de Kolibra</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>|This frame will be visible in the video after leaving edit mode</source>
        <translation>|Cette image sera visible dans la vidéo après la sortie du mode montage</translation>
    </message>
    <message>
        <source>|This frame will not appear any more in the video after leaving edit mode</source>
        <translation>|Cette image n&apos;apparaîtra plus dans la vidéo après la sortie du mode montage</translation>
    </message>
    <message>
        <source>Lens from a checkerboard</source>
        <translation>Objectif d&apos;après un damier</translation>
    </message>
    <message>
        <source>Film a printed checkerboard held at a few different angles, filling much of the picture. Count its inner corners, where four squares meet.</source>
        <translation>Filmez un damier imprimé tenu sous quelques angles différents, en remplissant une bonne partie de l&apos;image. Comptez ses coins intérieurs, là où quatre cases se touchent.</translation>
    </message>
    <message>
        <source>Inner corners across</source>
        <translation>Coins intérieurs en largeur</translation>
    </message>
    <message>
        <source>Inner corners down</source>
        <translation>Coins intérieurs en hauteur</translation>
    </message>
    <message>
        <source>Size of the plane&apos;s rectangle</source>
        <translation>Taille du rectangle du plan</translation>
    </message>
    <message>
        <source>The width runs from the first corner clicked to the second, the height from the first to the fourth.</source>
        <translation>La largeur va du premier coin cliqué au deuxième, la hauteur du premier au quatrième.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Video file (%1)</source>
        <translation>Fichier vidéo (%1)</translation>
    </message>
    <message>
        <source>Kolibra file (*.klb)</source>
        <translation>Fichier Kolibra (*.klb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open video...</source>
        <translation>Ouvrir une vidéo...</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Fichier enregistré :</translation>
    </message>
    <message>
        <source>The work cannot be kept for recovery after a crash: %1</source>
        <translation>Le travail ne peut pas être conservé pour une récupération après un plantage : %1</translation>
    </message>
    <message>
        <source>Save work to KLB file</source>
        <translation>Enregistrer le travail dans un fichier KLB</translation>
    </message>
    <message>
        <source>Open work...</source>
        <translation>Ouvrir un travail...</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (endommagé)</translation>
    </message>
    <message>
        <source>Kolibra stopped before this work was saved:</source>
        <translation>Kolibra s&apos;est arrêté avant l&apos;enregistrement de ce travail :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Video writing</source>
        <translation>Écriture de la vidéo</translation>
    </message>
    <message>
        <source>Files were successfully registered.</source>
        <translation>Les fichiers ont été enregistrés.</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Suivi automatique</translation>
    </message>
    <message>
        <source>Tracking ended: %1 frames found, %2 uncertain, %3 lost. Leave the tracking mode to keep the positions as marks.</source>
        <translation>Suivi terminé : %1 images trouvées, %2 incertaines, %3 perdues. Quittez le mode suivi pour garder les positions comme points.</translation>
    </message>
    <message>
        <source>|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase</source>
        <translation>|Clic gauche = ajouter un sommet au polygone ; double clic gauche = terminer ; clic droit = effacer</translation>
    </message>
    <message>
        <source>|1st left-click = begin the course; 2nd left-click = end; right-click = erase</source>
        <translation>|1er clic gauche = début du tracé ; 2e clic gauche = fin ; clic droit = effacer</translation>
    </message>
    <message>
        <source>|1st left-click = center of the circle; 2nd left-click = end; right-click = erase</source>
        <translation>|1er clic gauche = centre du cercle ; 2e clic gauche = fin ; clic droit = effacer</translation>
    </message>
    <message>
        <source>|Left-click = erase the outline under mouse pointer; right-click = erase the outline on the curret video frame</source>
        <translation>|Clic gauche = effacer le contour sous le pointeur de la souris ; clic droit = effacer le contour de l&apos;image vidéo courante</translation>
    </message>
    <message>
        <source>The first object has no mark to cut an outline around.</source>
        <translation>Le premier objet n&apos;a aucun point autour duquel découper un contour.</translation>
    </message>
    <message>
        <source>Mark its positions, by hand or by automatic marking, first.</source>
        <translation>Pointez d&apos;abord ses positions, à la main ou par pointage automatique.</translation>
    </message>
    <message>
        <source>First open a video file.</source>
        <translation>Ouvrez d&apos;abord un fichier vidéo.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Un fichier du même nom existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Saving has failed.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Vérifiez que le disque n&apos;est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>L&apos;enregistrement du fichier a échoué.</translation>
    </message>
    <message>
        <source>Look for it...</source>
        <translation>Le rechercher...</translation>
    </message>
    <message>
        <source>Another Kolibra has taken or removed this recovery file.</source>
        <translation>Un autre Kolibra a pris ou supprimé ce fichier de récupération.</translation>
    </message>
    <message>
        <source>Outlines around the marks</source>
        <translation>Contours autour des points</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>One outline every (frames):</source>
        <translation>Un contour toutes les (images) :</translation>
    </message>
    <message>
        <source>Radius of the disc on the frame:</source>
        <translation>Rayon du disque sur l&apos;image :</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>(Ctrl Z)</source>
        <translation>(Ctrl Z)</translation>
    </message>
    <message>
        <source>For clarity purposes, only one mark per image is allowed on a layer.</source>
        <translation>Pour plus de clarté, un seul point par image est permis sur un calque.</translation>
    </message>
    <message>
        <source>|The lens from the checkerboard seen in %1 frames: k1 = %2, k2 = %3, focal length %4 pixels</source>
        <translation>|L&apos;objectif d&apos;après le damier vu sur %1 images : k1 = %2, k2 = %3, distance focale %4 pixels</translation>
    </message>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Enseigner la mécanique par la vidéo.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Unable to launch help. </source>
        <translation>Impossible de lancer l&apos;aide. </translation>
    </message>
    <message>
        <source>The help page « %1 » is missing.</source>
        <translation>La page d&apos;aide « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>No program could show the page « %1 ».</source>
        <translation>Aucun programme n&apos;a pu afficher la page « %1 ».</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Clic gauche = agrandir ; clic droit = réduire ; maintenez CTRL appuyée pour ralentir</translation>
    </message>
    <message>
        <source>|Pan frame</source>
        <translation>|Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = define one end; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic gauche (ou Entrée) = définir une extrémité ; clic droit (ou Échap) = annuler ; Ctrl + flèche = déplacer le pointeur de la souris</translation>
    </message>
    <message>
        <source>|Left-click = the next corner of the rectangle, in the order (0, 0), (W, 0), (W, H), (0, H); drag a corner to adjust; right-click (or Esc) = cancel</source>
        <translation>|Clic gauche = coin suivant du rectangle, dans l&apos;ordre (0, 0), (W, 0), (W, H), (0, H) ; faire glisser un coin pour l&apos;ajuster ; clic droit (ou Échap) = annuler</translation>
    </message>
    <message>
        <source>|Left-click = a point of a line straight in reality; right-click (or Enter) = end the line; Esc = cancel</source>
        <translation>|Clic gauche = un point d&apos;une ligne droite dans la réalité ; clic droit (ou Entrée) = terminer la ligne ; Échap = annuler</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic gauche (ou Entrée) = placer un point ; clic droit (ou Échap) = annuler ; Ctrl + flèche = déplacer le pointeur de la souris</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop</source>
        <translation>|Clic gauche = glisser-déposer</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = set the origine; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic gauche (ou Entrée) = placer l&apos;origine ; clic droit (ou Échap) = annuler ; Ctrl + flèche = déplacer le pointeur de la souris</translation>
    </message>
    <message>
        <source>|Left-click = remove the mark under the mouse pointer; right-click = remove the marks of the current image</source>
        <translation>|Clic gauche = supprimer le point sous le pointeur de la souris ; clic droit = supprimer les points de l&apos;image courante</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop; right-click or ESC = cancel; + or - = layer size</source>
        <translation>|Clic gauche = glisser-déposer ; clic droit ou Échap = annuler ; + ou - = taille du calque</translation>
    </message>
    <message>
        <source>Zoom factor must be greater than 100%.</source>
        <translation>Le facteur de zoom doit être supérieur à 100 %.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Video properties</source>
        <translation>Propriétés de la vidéo</translation>
    </message>
    <message>
        <source>Write video...</source>
        <translation>Écrire une vidéo...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Hide frame</source>
        <translation>Masquer l&apos;image</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>last marked frame</source>
        <translation>la dernière image pointée</translation>
    </message>
    <message>
        <source>frame no ...</source>
        <translation>l&apos;image n° ...</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petite</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>sous le point</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>à droite du point</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>last video mark</source>
        <translation>le dernier point</translation>
    </message>
    <message>
        <source>all video marks</source>
        <translation>tous les points</translation>
    </message>
    <message>
        <source>others ...</source>
        <translation>autres...</translation>
    </message>
    <message>
        <source>Object marks ...</source>
        <translation>Points des objets...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>object outline</source>
        <translation>contour de l&apos;objet</translation>
    </message>
    <message>
        <source>the video marks</source>
        <translation>points de la vidéo</translation>
    </message>
    <message>
        <source>zones to ignore</source>
        <translation>zones à ignorer</translation>
    </message>
    <message>
        <source>the layer</source>
        <translation>calque</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>repère</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>échelle</translation>
    </message>
    <message>
        <source>plane and lens</source>
        <translation>plan et objectif</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>outline shape</source>
        <translation>Forme du contour</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>ligne brisée</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>Search radius</source>
        <translation>Rayon de recherche</translation>
    </message>
    <message>
        <source>20 pixels</source>
        <translation>20 pixels</translation>
    </message>
    <message>
        <source>40 pixels</source>
        <translation>40 pixels</translation>
    </message>
    <message>
        <source>60 pixels</source>
        <translation>60 pixels</translation>
    </message>
    <message>
        <source>See search area</source>
        <translation>Voir la zone de recherche</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Durée entre deux images</translation>
    </message>
    <message>
        <source>Number of marks per frame</source>
        <translation>Nombre de points par image</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>Advance automatically</source>
        <translation>Avancer automatiquement</translation>
    </message>
    <message>
        <source>of 1 image</source>
        <translation>d&apos;une image</translation>
    </message>
    <message>
        <source>Scale length</source>
        <translation>Longueur de l&apos;échelle</translation>
    </message>
    <message>
        <source>Horizontal scale length</source>
        <translation>Longueur de l&apos;échelle horizontale</translation>
    </message>
    <message>
        <source>Vertical scale length</source>
        <translation>Longueur de l&apos;échelle verticale</translation>
    </message>
    <message>
        <source>Lens from a checkerboard...</source>
        <translation>Objectif d&apos;après un damier...</translation>
    </message>
    <message>
        <source>Grid rotation angle</source>
        <translation>Angle de rotation du repère</translation>
    </message>
    <message>
        <source>Reverse Ox axis</source>
        <translation>Inverser l&apos;axe Ox</translation>
    </message>
    <message>
        <source>Reverse Oy axis</source>
        <translation>Inverser l&apos;axe Oy</translation>
    </message>
    <message>
        <source>Outlines around the marks...</source>
        <translation>Contours autour des points...</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Move a video mark</source>
        <translation>Déplacer un point</translation>
    </message>
    <message>
        <source>Erase marks</source>
        <translation>Effacer des points</translation>
    </message>
    <message>
        <source>Calibrate an object</source>
        <translation>Étalonner un objet</translation>
    </message>
    <message>
        <source>Define horizontal scale</source>
        <translation>Définir l&apos;échelle horizontale</translation>
    </message>
    <message>
        <source>Define vertical scale</source>
        <translation>Définir l&apos;échelle verticale</translation>
    </message>
    <message>
        <source>Set video marks</source>
        <translation>Pointer les positions</translation>
    </message>
    <message>
        <source>Choose a coordinate system</source>
        <translation>Choisir le repère</translation>
    </message>
    <message>
        <source>Use a layer</source>
        <translation>Utiliser un calque</translation>
    </message>
    <message>
        <source>Draw the outline of an object</source>
        <translation>Dessiner le contour d&apos;un objet</translation>
    </message>
    <message>
        <source>Draw an area to ignore</source>
        <translation>Dessiner une zone à ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>undo</comment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MdlText</name>
    <message>
        <source>%1 + %2.t + %3.t²</source>
        <translation>%1 + %2.t + %3.t²</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1.t</source>
        <translation>%1.t</translation>
    </message>
    <message>
        <source>%1 + %2.t</source>
        <translation>%1 + %2.t</translation>
    </message>
    <message>
        <source>Margin of error on y-axis</source>
        <translation>Marge d&apos;erreur sur l&apos;axe des y</translation>
    </message>
    <message>
        <source>relative precision</source>
        <translation>précision relative</translation>
    </message>
    <message>
        <source>average quadratic variation</source>
        <translation>écart quadratique moyen</translation>
    </message>
    <message>
        <source>correlation coefficient</source>
        <translation>coefficient de corrélation</translation>
    </message>
    <message>
        <source>%1 + %2.exp(%3.t)</source>
        <translation>%1 + %2.exp(%3.t)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4)</source>
        <translation>%1 + %2.sin(%3.t + %4)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4).exp(%5.t)</source>
        <translation>%1 + %2.sin(%3.t + %4).exp(%5.t)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
</context>
<context>
    <name>ModelFitText</name>
    <message>
        <source>The fit failed: the samples do not determine the model&apos;s parameters.</source>
        <translation>La modélisation a échoué : les mesures ne déterminent pas les paramètres du modèle.</translation>
    </message>
    <message>
        <source>The fit failed: no step brought the model closer to the samples.</source>
        <translation>La modélisation a échoué : aucune itération n&apos;a rapproché le modèle des mesures.</translation>
    </message>
    <message>
        <source>The fit did not converge within 50 iterations.</source>
        <translation>La modélisation n&apos;a pas convergé en 50 itérations.</translation>
    </message>
    <message>
        <source>Too few samples for this model: it needs at least one more than its parameters.</source>
        <translation>Trop peu de mesures pour ce modèle : il en faut au moins une de plus que de paramètres.</translation>
    </message>
    <message>
        <source>The fit failed: a value became too big or too small.</source>
        <translation>La modélisation a échoué : une valeur est devenue trop grande ou trop petite.</translation>
    </message>
    <message>
        <source>The fit failed: every sample lies at the same abscissa.</source>
        <translation>La modélisation a échoué : toutes les mesures ont la même abscisse.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Choisissez d&apos;abord un modèle (affine, parabolique, sinusoïdal...)</translation>
    </message>
    <message>
        <source>The fit failed (code %1).</source>
        <translation>La modélisation a échoué (code %1).</translation>
    </message>
</context>
<context>
    <name>MontageText</name>
    <message>
        <source>At least 1 frame must remain visible</source>
        <translation>Au moins 1 image doit rester visible</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The marks set on these frames will be deleted.</source>
        <translation>Les points placés sur ces images seront supprimés.</translation>
    </message>
    <message>
        <source>The marks set on this frame will be deleted.</source>
        <translation>Les points placés sur cette image seront supprimés.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>This frame will not be visible after leaving the video edit mode.</source>
        <translation>Cette image ne sera plus visible après la sortie du mode montage.</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative. </source>
        <translation>Les images masquées apparaissent en négatif. </translation>
    </message>
    <message>
        <source>This image will be visible again after leaving the video edit mode.</source>
        <translation>Cette image sera de nouveau visible après la sortie du mode montage.</translation>
    </message>
    <message>
        <source>Show or hide a series of images</source>
        <translation>Afficher ou masquer une série d&apos;images</translation>
    </message>
    <message>
        <source>A frame is missing in the video stream</source>
        <translation>Une image manque dans le flux vidéo</translation>
    </message>
    <message>
        <source>The video editing was made for another number of frames.</source>
        <translation>Le montage vidéo a été fait pour un autre nombre d&apos;images.</translation>
    </message>
    <message>
        <source>Two visible frames of the video editing stand at the same time, or in the wrong order.</source>
        <translation>Deux images visibles du montage vidéo sont au même instant, ou dans le mauvais ordre.</translation>
    </message>
    <message>
        <source>The video editing hides every frame.</source>
        <translation>Le montage vidéo masque toutes les images.</translation>
    </message>
    <message>
        <source>The video editing has no valid number of frames.</source>
        <translation>Le montage vidéo n&apos;a pas un nombre d&apos;images valide.</translation>
    </message>
    <message>
        <source>The visible frames of the video editing are not in order.</source>
        <translation>Les images visibles du montage vidéo ne sont pas dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing do not match its frames.</source>
        <translation>Les décalages de temps du montage vidéo ne correspondent pas à ses images.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing are not in order.</source>
        <translation>Les décalages de temps du montage vidéo ne sont pas dans l&apos;ordre.</translation>
    </message>
</context>
<context>
    <name>Parser</name>
    <message>
        <source>Opening bracket has not been closed.</source>
        <translation>Une parenthèse ouvrante n&apos;a pas été fermée.</translation>
    </message>
    <message>
        <source>Closing bracket has not been open.</source>
        <translation>Une parenthèse fermante n&apos;a pas été ouverte.</translation>
    </message>
    <message>
        <source>Empty parenthesis.</source>
        <translation>Parenthèses vides.</translation>
    </message>
    <message>
        <source>Incorrect number: %1</source>
        <translation>Nombre incorrect : %1</translation>
    </message>
    <message>
        <source>Calculation of a cosine has failed.</source>
        <translation>Le calcul d&apos;un cosinus a échoué.</translation>
    </message>
    <message>
        <source>Calculation of a sine has failed.</source>
        <translation>Le calcul d&apos;un sinus a échoué.</translation>
    </message>
    <message>
        <source>Calculation of a tangent has failed.</source>
        <translation>Le calcul d&apos;une tangente a échoué.</translation>
    </message>
    <message>
        <source>Calculation of an arc-cosine has failed.</source>
        <translation>Le calcul d&apos;un arc cosinus a échoué.</translation>
    </message>
    <message>
        <source>Calculation of an arc-sine has failed.</source>
        <translation>Le calcul d&apos;un arc sinus a échoué.</translation>
    </message>
    <message>
        <source>Calculation of an arc-tangent has failed.</source>
        <translation>Le calcul d&apos;une arc tangente a échoué.</translation>
    </message>
    <message>
        <source>Calculation of the logarithm of a negative or null number.</source>
        <translation>Calcul du logarithme d&apos;un nombre négatif ou nul.</translation>
    </message>
    <message>
        <source>Calculation of the square root of a negative number.</source>
        <translation>Calcul de la racine carrée d&apos;un nombre négatif.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Division par zéro.</translation>
    </message>
    <message>
        <source>Calculation of a non-integer power of a negative number.</source>
        <translation>Calcul d&apos;une puissance non entière d&apos;un nombre négatif.</translation>
    </message>
    <message>
        <source>Calculation of an exponential has failed.</source>
        <translation>Le calcul d&apos;une exponentielle a échoué.</translation>
    </message>
    <message>
        <source>Calculation of a power has failed.</source>
        <translation>Le calcul d&apos;une puissance a échoué.</translation>
    </message>
    <message>
        <source>The result of a calculation is too big or too small.</source>
        <translation>Le résultat d&apos;un calcul est trop grand ou trop petit.</translation>
    </message>
    <message>
        <source>Formula with unknown variable or constant: %1</source>
        <translation>Formule avec une variable ou une constante inconnue : %1</translation>
    </message>
    <message>
        <source>Non authorized or inappropriate character detected in formula: %1</source>
        <translation>Caractère interdit ou inapproprié détecté dans la formule : %1</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>L&apos;indice d&apos;une variable ou d&apos;une constante se place normalement entre crochets. Indice inconnu entre crochets. Variable ou constante erronée : %1</translation>
    </message>
    <message>
        <source>Function without argument.</source>
        <translation>Fonction sans argument.</translation>
    </message>
    <message>
        <source>Operator without operand: %1</source>
        <translation>Opérateur sans opérande : %1</translation>
    </message>
    <message>
        <source>Operands without operator.</source>
        <translation>Opérandes sans opérateur.</translation>
    </message>
    <message>
        <source>Empty formula.</source>
        <translation>Formule vide.</translation>
    </message>
    <message>
        <source>Variable with unknown value: %1. Check to see if initial value (%2 or %3) is registered in the constants datasheet.</source>
        <translation>Variable de valeur inconnue : %1. Vérifiez que la valeur initiale (%2 ou %3) est enregistrée dans le tableau des constantes.</translation>
    </message>
    <message>
        <source>Index of a variable or a constant is usually placed between brackets. Closing bracket is missing or misplaced. Faulty variable or constant: %1</source>
        <translation>L&apos;indice d&apos;une variable ou d&apos;une constante se place normalement entre crochets. Le crochet fermant manque ou est mal placé. Variable ou constante erronée : %1</translation>
    </message>
    <message>
        <source>Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y).</source>
        <translation>Séparez par un point-virgule les 2 variables d&apos;une fonction. Ex. : ArcTan(x;y).</translation>
    </message>
    <message>
        <source>Formula too long. Maximum length: %1 characters.</source>
        <translation>Formule trop longue. Longueur maximale : %1 caractères.</translation>
    </message>
    <message>
        <source>Too many nested brackets. Maximum depth: %1.</source>
        <translation>Trop de parenthèses imbriquées. Profondeur maximale : %1.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>PasswordDlgText</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>PlaneCalibrationText</name>
    <message>
        <source>No video is open.</source>
        <translation>Aucune vidéo n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>The width and the height of the rectangle must be above zero.</source>
        <translation>La largeur et la hauteur du rectangle doivent être positives.</translation>
    </message>
    <message>
        <source>The corners of the rectangle must be numbers.</source>
        <translation>Les coins du rectangle doivent être des nombres.</translation>
    </message>
    <message>
        <source>The four corners must be given in turn round the rectangle, without crossing.</source>
        <translation>Les quatre coins doivent être donnés dans l&apos;ordre en faisant le tour du rectangle, sans croisement.</translation>
    </message>
    <message>
        <source>At least one line that is straight in reality is needed.</source>
        <translation>Il faut au moins une ligne droite dans la réalité.</translation>
    </message>
    <message>
        <source>Each straight line needs at least three points.</source>
        <translation>Chaque ligne droite demande au moins trois points.</translation>
    </message>
    <message>
        <source>The points of a line must be numbers.</source>
        <translation>Les points d&apos;une ligne doivent être des nombres.</translation>
    </message>
    <message>
        <source>The focal length must be above zero.</source>
        <translation>La distance focale doit être positive.</translation>
    </message>
    <message>
        <source>The lines do not tell how the lens bends them.</source>
        <translation>Les lignes n&apos;indiquent pas comment l&apos;objectif les courbe.</translation>
    </message>
    <message>
        <source>A checkerboard needs from 3 to 60 inner corners each way.</source>
        <translation>Un damier demande de 3 à 60 coins intérieurs dans chaque sens.</translation>
    </message>
    <message>
        <source>The checkerboard (%1 x %2 inner corners) was found in none of the frames.</source>
        <translation>Le damier (%1 x %2 coins intérieurs) n&apos;a été trouvé sur aucune des images.</translation>
    </message>
    <message>
        <source>The checkerboard&apos;s views could not give a lens.</source>
        <translation>Les vues du damier n&apos;ont pas permis de déterminer l&apos;objectif.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The graph is empty: there is nothing to print.</source>
        <translation>Le graphique est vide : il n&apos;y a rien à imprimer.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Le fichier ne peut pas être écrit : %1</translation>
    </message>
</context>
<context>
    <name>QuantitiesText</name>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abscisse</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordonnée</translation>
    </message>
    <message>
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>Coordonnée vx de la vitesse</translation>
    </message>
    <message>
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>Coordonnée vy de la vitesse</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Valeur de la vitesse</translation>
    </message>
    <message>
        <source>ax</source>
        <translation>ax</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>Coordonnée ax de l&apos;accélération</translation>
    </message>
    <message>
        <source>ay</source>
        <translation>ay</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>Coordonnée ay de l&apos;accélération</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Valeur de l&apos;accélération</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Coordonnée angulaire</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Coordonnée radiale</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <source>rad/s</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Valeur de la vitesse angulaire</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>kg·m/s</source>
        <translation>kg·m/s</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>Coordonnée px de la quantité de mouvement</translation>
    </message>
    <message>
        <source>py</source>
        <translation>py</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>Coordonnée py de la quantité de mouvement</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Valeur de la quantité de mouvement</translation>
    </message>
    <message>
        <source>Ek</source>
        <translation>Ek</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Énergie cinétique</translation>
    </message>
    <message>
        <source>Ep</source>
        <translation>Ep</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Énergie potentielle de pesanteur</translation>
    </message>
    <message>
        <source>Em</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Énergie mécanique</translation>
    </message>
    <message>
        <source>centre of mass</source>
        <translation>centre de masse</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
</context>
<context>
    <name>RecordCliText</name>
    <message>
        <source>No such file.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>The size must be from %1x%2 to %3x%4 for this video.</source>
        <translation>La taille doit aller de %1x%2 à %3x%4 pour cette vidéo.</translation>
    </message>
    <message>
        <source>The crop must lie inside the %1x%2 frame and keep at least %3x%4 pixels.</source>
        <translation>Le recadrage doit rester dans l&apos;image de %1x%2 et garder au moins %3x%4 pixels.</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>La qualité est un pourcentage de 10 à 100 : %1</translation>
    </message>
    <message>
        <source>The frame rate is required: --rate R</source>
        <translation>La fréquence d&apos;images est obligatoire : --rate R</translation>
    </message>
</context>
<context>
    <name>RecordMontageText</name>
    <message>
        <source>Save edited video to a file</source>
        <translation>Enregistrer la vidéo montée dans un fichier</translation>
    </message>
    <message>
        <source>Convert a video file to a sequence of images</source>
        <translation>Convertir un fichier vidéo en une suite d&apos;images</translation>
    </message>
    <message>
        <source>Create a video from images</source>
        <translation>Créer une vidéo à partir d&apos;images</translation>
    </message>
    <message>
        <source>Image width in pixels: %1</source>
        <translation>Largeur de l&apos;image en pixels : %1</translation>
    </message>
    <message>
        <source>Image height in pixels: %1</source>
        <translation>Hauteur de l&apos;image en pixels : %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <translation>Fréquence d&apos;images : %1</translation>
    </message>
    <message>
        <source>Compression Codec: %1</source>
        <translation>Codec de compression : %1</translation>
    </message>
    <message>
        <source>without</source>
        <translation>sans</translation>
    </message>
    <message>
        <source>Framework: %1</source>
        <translation>Interface : %1</translation>
    </message>
    <message>
        <source>Resized images: %1</source>
        <translation>Images redimensionnées : %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Cropped images: %1</source>
        <translation>Images recadrées : %1</translation>
    </message>
    <message>
        <source>Video container: AVI</source>
        <translation>Conteneur vidéo : AVI</translation>
    </message>
    <message>
        <source>Total number of images: %1</source>
        <translation>Nombre total d&apos;images : %1</translation>
    </message>
    <message>
        <source>Missing frames: %1</source>
        <translation>Images manquantes : %1</translation>
    </message>
    <message>
        <source>insert empty frames</source>
        <translation>insérer des images vides</translation>
    </message>
    <message>
        <source>do nothing</source>
        <translation>ne rien faire</translation>
    </message>
    <message>
        <source>File format: BMP</source>
        <translation>Format de fichier : BMP</translation>
    </message>
    <message>
        <source>Process cancelled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save a video file</source>
        <translation>Enregistrer un fichier vidéo</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Fichier vidéo (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Un fichier de ce nom existe déjà dans le dossier choisi.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Veuillez choisir un autre nom de fichier ou un autre dossier.</translation>
    </message>
    <message>
        <source>Error detected while creating video file:</source>
        <translation>Erreur lors de la création du fichier vidéo :</translation>
    </message>
    <message>
        <source>Convert video to images</source>
        <translation>Convertir la vidéo en images</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Fichier bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>%1 image files of this name already exist, such as:</source>
        <translation>%1 fichiers image de ce nom existent déjà, par exemple :</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Les remplacer ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Error detected while creating image files:</source>
        <translation>Erreur lors de la création des fichiers image :</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>You&apos;ll select several image files.</source>
        <translation>Vous allez choisir plusieurs fichiers image.</translation>
    </message>
    <message>
        <source>Some useful keyboard shortcuts:</source>
        <translation>Quelques raccourcis clavier utiles :</translation>
    </message>
    <message>
        <source>Ctrl + A: select all</source>
        <translation>Ctrl + A : tout sélectionner</translation>
    </message>
    <message>
        <source>Shift + arrow key: select several contiguous items</source>
        <translation>Maj + flèche : sélectionner plusieurs éléments qui se suivent</translation>
    </message>
    <message>
        <source>Ctrl + left-click: select an element independent of other</source>
        <translation>Ctrl + clic gauche : sélectionner un élément indépendamment des autres</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select image files</source>
        <translation>Choisir des fichiers image</translation>
    </message>
    <message>
        <source>Unable to read the image file %1</source>
        <translation>Impossible de lire le fichier image %1</translation>
    </message>
    <message>
        <source>The video playback was interrupted.</source>
        <translation>La lecture de la vidéo a été interrompue.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>This file is the open video: choose a different file name.</source>
        <translation>Ce fichier est la vidéo ouverte : choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>The folder of this file does not exist.</source>
        <translation>Le dossier de ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>Aucune vidéo n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>This framework cannot write videos here: %1</source>
        <translation>Cette interface ne peut pas écrire de vidéos ici : %1</translation>
    </message>
    <message>
        <source>%1 images of this name already exist, such as %2</source>
        <translation>%1 images de ce nom existent déjà, par exemple %2</translation>
    </message>
    <message>
        <source>Unable to write the image file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier image %1 : %2</translation>
    </message>
    <message>
        <source>No image was chosen.</source>
        <translation>Aucune image n&apos;a été choisie.</translation>
    </message>
    <message>
        <source>The frame rate must be above 0.</source>
        <translation>La fréquence d&apos;images doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>This file is one of the images: choose a different file name.</source>
        <translation>Ce fichier est l&apos;une des images : choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>The image %1 is %2 x %3 pixels; the first one is %4 x %5.</source>
        <translation>L&apos;image %1 mesure %2 x %3 pixels ; la première mesure %4 x %5.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Compression quality in %</source>
        <translation>Qualité de compression en %</translation>
    </message>
    <message>
        <source>Frame count between two key frames</source>
        <translation>Nombre d&apos;images entre deux images clés</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Les codecs ne sont pas normalisés. Ils évoluent sans cesse et de nouvelles versions sortent souvent.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Le choix d&apos;un codec demande souvent des essais.</translation>
    </message>
    <message>
        <source>Edit images</source>
        <translation>Modifier les images</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Image width in pixels</source>
        <translation>Largeur de l&apos;image en pixels</translation>
    </message>
    <message>
        <source>Image height in pixels</source>
        <translation>Hauteur de l&apos;image en pixels</translation>
    </message>
    <message>
        <source>pixels to crop from the top of the image</source>
        <translation>pixels à retirer en haut de l&apos;image</translation>
    </message>
    <message>
        <source>pixels to crop from the bottom</source>
        <translation>pixels à retirer en bas</translation>
    </message>
    <message>
        <source>pixels to crop from left or right</source>
        <translation>pixels à retirer à gauche ou à droite</translation>
    </message>
    <message>
        <source>Some codecs have restrictions on image size.</source>
        <translation>Certains codecs imposent des restrictions sur la taille des images.</translation>
    </message>
    <message>
        <source>Width and height must be (often) multiples of 4.</source>
        <translation>La largeur et la hauteur doivent (souvent) être des multiples de 4.</translation>
    </message>
    <message>
        <source>Draw the marks, axes and scale</source>
        <translation>Dessiner les points, les axes et l&apos;échelle</translation>
    </message>
    <message>
        <source>Insert blank images in the new video to replace missing frames.</source>
        <translation>Insérer des images vides dans la nouvelle vidéo à la place des images manquantes.</translation>
    </message>
    <message>
        <source>Change the frame rate</source>
        <translation>Changer la fréquence d&apos;images</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>images par seconde</translation>
    </message>
    <message>
        <source>Change the framework</source>
        <translation>Changer d&apos;interface</translation>
    </message>
    <message>
        <source>Kolibra selects a framework (VFW, FFMpeg or DS).</source>
        <translation>Kolibra choisit une interface (VFW, FFMpeg ou DS).</translation>
    </message>
    <message>
        <source>Change the framework involves:</source>
        <translation>Changer d&apos;interface entraîne :</translation>
    </message>
    <message>
        <source>a different choice of codecs</source>
        <translation>un autre choix de codecs</translation>
    </message>
    <message>
        <source>a difference in video quality</source>
        <translation>une différence de qualité vidéo</translation>
    </message>
    <message>
        <source>To use the FFMpeg framework, the « KlbDll » folder and the « kolibra » program must be placed in the same directory.</source>
        <translation>Pour utiliser l&apos;interface FFMpeg, le dossier « KlbDll » et le programme « kolibra » doivent se trouver dans le même dossier.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ResFormText</name>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abscisse</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordonnée</translation>
    </message>
    <message>
        <source>Unit problem!</source>
        <translation>Problème d&apos;unité !</translation>
    </message>
    <message>
        <source>Representation of several curves</source>
        <translation>Représentation de plusieurs courbes</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (*.svg)</source>
        <translation>Scalable Vector Graphics (*.svg)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)</source>
        <translation>Portable Network Graphics (*.png)</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Un fichier du même nom existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>La création du fichier dans le dossier choisi a échoué.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Vérifiez vos droits d&apos;accès à ce dossier.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saving to a file complete.</source>
        <translation>Enregistrement dans le fichier terminé.</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Enregistrement dans le fichier image terminé.</translation>
    </message>
    <message>
        <source>File extension is %1.</source>
        <translation>L&apos;extension du fichier est %1.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>La copie dans le presse-papiers a échoué.</translation>
    </message>
    <message>
        <source>Copy to clipboard done.</source>
        <translation>Copie dans le presse-papiers effectuée.</translation>
    </message>
    <message>
        <source>After closing this window, open another program and press Ctrl+V simultaneously (or click Edit &gt; Paste).</source>
        <translation>Après la fermeture de cette fenêtre, ouvrez un autre programme et appuyez sur Ctrl+V (ou cliquez sur Édition &gt; Coller).</translation>
    </message>
    <message>
        <source>The pasted image can be disassembled.</source>
        <translation>L&apos;image collée peut être dissociée.</translation>
    </message>
    <message>
        <source>as a function of time</source>
        <translation>en fonction du temps</translation>
    </message>
    <message>
        <source>Trajectory</source>
        <translation>Trajectoire</translation>
    </message>
    <message>
        <source>in the reference frame</source>
        <translation>dans le référentiel</translation>
    </message>
    <message>
        <source>Vector representation of</source>
        <translation>Représentation vectorielle de</translation>
    </message>
    <message>
        <source>function of</source>
        <translation>en fonction de</translation>
    </message>
    <message>
        <source>Speed and acceleration are calculated within a reference frame linked to the layer</source>
        <translation>La vitesse et l&apos;accélération sont calculées dans un référentiel lié au calque</translation>
    </message>
    <message>
        <source>Velocity and acceleration are calculated in the reference frame of the camera </source>
        <translation>La vitesse et l&apos;accélération sont calculées dans le référentiel de la caméra </translation>
    </message>
    <message>
        <source>The reference frames are in translation with respect to each other</source>
        <translation>Les référentiels sont en translation l&apos;un par rapport à l&apos;autre</translation>
    </message>
    <message>
        <source>Export to an image file</source>
        <translation>Exporter dans un fichier image</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle affine|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Modèle constant|Les paramètres du modèle s&apos;affichent au survol de la courbe</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Modèle exponentiel| Les paramètres du modèle s&apos;affichent au survol de la courbe </translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle parabolique|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Modèle linéaire (droite passant par l&apos;origine)|Les paramètres du modèle s&apos;affichent au survol de la courbe</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle sinusoïdal|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Sinusoïde amortie (amortissement exponentiel)|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Sinusoïde amortie (amortissement linéaire)|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modifier la courbe du modèle|La position du curseur sur la courbe détermine le paramètre modifié</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Nouvel angle|Tracer à la souris un angle défini par deux droites</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Nouvel arc|Tracer un arc défini par deux points</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Nouveau cercle|Tracer un nouveau cercle à partir de son centre</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Nouvelle ellipse|Tracer une nouvelle ellipse à partir de son centre</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Courber un arc, un cercle ou une ellipse|Saisir à la souris un point de la circonférence ou du rayon</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Dupliquer des objets|Dupliquer l&apos;objet sous le pointeur de la souris ; dupliquer les objets d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Mesurer un angle ou la valeur d&apos;un objet|Mesurer un angle ou la valeur de l&apos;objet sous le pointeur de la souris</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Nouveau segment|Tracer un nouveau segment</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Nouvelle courbe|Tracer une courbe en plaçant des points de contrôle à la souris.</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Sélectionner, déplacer ou modifier un objet|Sélectionner un objet, puis le déplacer ou le modifier à la souris quand le curseur devient une croix</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Supprimer des objets|Supprimer l&apos;objet sous le pointeur de la souris ; supprimer les objets d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Nouveau vecteur|Tracer un nouveau vecteur à la souris</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Inverser le sens des vecteurs|Inverser le sens du vecteur sous le pointeur de la souris ; inverser le sens des vecteurs d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Afficher l&apos;image vidéo courante|L&apos;image vidéo est affichée derrière les objets.</translation>
    </message>
    <message>
        <source>Type formula</source>
        <translation>Tapez une formule</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Coordonnées du pointeur de la souris|Valeurs de X et Y du pointeur de la souris dans la zone graphique.</translation>
    </message>
    <message>
        <source>Pan image|Drag an drop the figure with the mouse</source>
        <translation>Déplacer l&apos;image|Faites glisser la figure avec la souris</translation>
    </message>
    <message>
        <source>Zoom|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>Zoom|Clic gauche = agrandir ; clic droit = réduire ; maintenez CTRL appuyée pour ralentir</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Évolution en fonction du temps</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trajectoire dans le référentiel</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Représentation des vecteurs</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Formules personnalisées</translation>
    </message>
    <message>
        <source>Back to video</source>
        <translation>Retour à la vidéo</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Hide column or change the number of significant digits</source>
        <translation>Masquer la colonne ou modifier le nombre de chiffres significatifs</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Bend the arc, the circle or the ellipse</source>
        <translation>Courber l&apos;arc, le cercle ou l&apos;ellipse</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Inverser le sens</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>of the camera</source>
        <translation>de la caméra</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>accélération</translation>
    </message>
    <message>
        <source>Draw segments :</source>
        <translation>Tracer les segments :</translation>
    </message>
    <message>
        <source>defaults</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajoutés</translation>
    </message>
    <message>
        <source>Draw curves :</source>
        <translation>Tracer les courbes :</translation>
    </message>
    <message>
        <source>Draw vectors :</source>
        <translation>Tracer les vecteurs :</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>Coordonnée vx de la vitesse</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>Coordonnée vy de la vitesse</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Valeur de la vitesse</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>Coordonnée ax de l&apos;accélération</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>Coordonnée ay de l&apos;accélération</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Valeur de l&apos;accélération</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Coordonnée angulaire</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Coordonnée radiale</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Valeur de la vitesse angulaire</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>Coordonnée px de la quantité de mouvement</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>Coordonnée py de la quantité de mouvement</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Valeur de la quantité de mouvement</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Énergie cinétique</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Énergie potentielle de pesanteur</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Énergie mécanique</translation>
    </message>
    <message>
        <source>Fit regression is available for only one curve at a time.</source>
        <translation>La modélisation n&apos;est possible que sur une seule courbe à la fois.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Choisissez d&apos;abord un modèle (affine, parabolique, sinusoïdal...)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Restore graph</source>
        <translation>Restaurer le graphique</translation>
    </message>
    <message>
        <source>Restore table</source>
        <translation>Restaurer le tableau</translation>
    </message>
    <message>
        <source>Copy frame to clipboard</source>
        <translation>Copier le graphique dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy datasheet to clipboard</source>
        <translation>Copier le tableau dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy and launch</source>
        <translation>Copier et lancer</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>OpenOffice</source>
        <translation>OpenOffice</translation>
    </message>
    <message>
        <source>Regressi</source>
        <translation>Regressi</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>of x-axis</source>
        <translation>des abscisses</translation>
    </message>
    <message>
        <source>of y-axis</source>
        <translation>des ordonnées</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petite</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>sous le point</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>à droite du point</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Grandeurs polaires</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>ligne brisée</translation>
    </message>
    <message>
        <source>graph origin</source>
        <translation>origine du repère</translation>
    </message>
    <message>
        <source>the value of the vectors</source>
        <translation>valeur des vecteurs</translation>
    </message>
    <message>
        <source>same as the video</source>
        <translation>comme sur la vidéo</translation>
    </message>
    <message>
        <source>in the graph basis (O, x, y)</source>
        <translation>dans le repère (O, x, y)</translation>
    </message>
    <message>
        <source>Model modifier</source>
        <translation>Modification du modèle</translation>
    </message>
    <message>
        <source>Equation display</source>
        <translation>Affichage de l&apos;équation</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <source>Bubble of values</source>
        <translation>Bulle des valeurs</translation>
    </message>
    <message>
        <source>up right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>up left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Durée entre deux images</translation>
    </message>
    <message>
        <source>Smooth values of the velocity</source>
        <translation>Lisser les valeurs de la vitesse</translation>
    </message>
    <message>
        <source>Smooth values of the acceleration</source>
        <translation>Lisser les valeurs de l&apos;accélération</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Aide de Kolibra</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Arc</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vecteur</translation>
    </message>
    <message>
        <source>Draw an angle</source>
        <translation>Tracer un angle</translation>
    </message>
    <message>
        <source>Draw an arc</source>
        <translation>Tracer un arc</translation>
    </message>
    <message>
        <source>Draw a circle</source>
        <translation>Tracer un cercle</translation>
    </message>
    <message>
        <source>Draw an ellipse</source>
        <translation>Tracer une ellipse</translation>
    </message>
    <message>
        <source>Draw a segment</source>
        <translation>Tracer un segment</translation>
    </message>
    <message>
        <source>Draw a curve</source>
        <translation>Tracer une courbe</translation>
    </message>
    <message>
        <source>Draw a vector</source>
        <translation>Tracer un vecteur</translation>
    </message>
    <message>
        <source>Measure a value or an angle</source>
        <translation>Mesurer une valeur ou un angle</translation>
    </message>
    <message>
        <source>Modify model curve</source>
        <translation>Modifier la courbe du modèle</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates</source>
        <translation>Coordonnées du pointeur de la souris</translation>
    </message>
    <message>
        <source>Select an object</source>
        <translation>Sélectionner un objet</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Survolez la courbe avec la souris pour voir les paramètres</translation>
    </message>
</context>
<context>
    <name>ServeurText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Substitute</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Copy to clipboard complete.</source>
        <translation>Copie dans le presse-papiers terminée.</translation>
    </message>
    <message>
        <source>After closing this window, open a window and press Ctrl + V (or click Edit &gt; Paste).</source>
        <translation>Après la fermeture de cette fenêtre, ouvrez une fenêtre et appuyez sur Ctrl + V (ou cliquez sur Édition &gt; Coller).</translation>
    </message>
    <message>
        <source>Columns are separated by tabulations.</source>
        <translation>Les colonnes sont séparées par des tabulations.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>La copie dans le presse-papiers a échoué.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>Export to text file</source>
        <translation>Exporter dans un fichier texte</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt</source>
        <translation>Valeurs séparées par des tabulations (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Save to text file complete.</source>
        <translation>Enregistrement dans le fichier texte terminé.</translation>
    </message>
    <message>
        <source>File has TXT extension.</source>
        <translation>Le fichier a l&apos;extension TXT.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>La création du fichier dans le dossier choisi a échoué.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Vérifiez vos droits d&apos;accès à ce dossier.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Un fichier du même nom existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Export the datasheet</source>
        <translation>Exporter le tableau de valeurs</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|OpenDocument spreadsheet (*.ods)|*.ods|Comma separated values (*.csv)|*.csv|JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb</source>
        <translation>Valeurs séparées par des tabulations (*.txt)|*.txt|Classeur Excel (*.xlsx)|*.xlsx|Classeur OpenDocument (*.ods)|*.ods|Valeurs séparées par des virgules (*.csv)|*.csv|Données JSON (*.json)|*.json|Notebook Jupyter (*.ipynb)|*.ipynb</translation>
    </message>
    <message>
        <source>The datasheet has been saved:</source>
        <translation>Le tableau de valeurs a été enregistré :</translation>
    </message>
    <message>
        <source>The workbook is written in this file:</source>
        <translation>Le classeur est écrit dans ce fichier :</translation>
    </message>
    <message>
        <source>No program could be started to show it. Open it with your spreadsheet program, or install LibreOffice (the Debian package libreoffice-calc) to have Kolibra open it for you.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour l&apos;afficher. Ouvrez-le avec votre tableur, ou installez LibreOffice (le paquet Debian libreoffice-calc) pour que Kolibra l&apos;ouvre pour vous.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with Excel.</source>
        <translation>Une erreur s&apos;est produite lors de la connexion avec Excel.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with OpenOffice.</source>
        <translation>Une erreur s&apos;est produite lors de la connexion avec OpenOffice.</translation>
    </message>
    <message>
        <source>An error occurred while activating the system manager.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;activation du gestionnaire système.</translation>
    </message>
    <message>
        <source>Unable to open the spreadsheet.</source>
        <translation>Impossible d&apos;ouvrir le tableur.</translation>
    </message>
    <message>
        <source>Unable to create a new sheet.</source>
        <translation>Impossible de créer une nouvelle feuille.</translation>
    </message>
    <message>
        <source>Unable to find the datasheet.</source>
        <translation>Impossible de trouver le tableau de valeurs.</translation>
    </message>
    <message>
        <source>An error occurred while writing in a cell.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture dans une cellule.</translation>
    </message>
    <message>
        <source>The copy was canceled because Regressi is not found.</source>
        <translation>La copie a été annulée car Regressi est introuvable.</translation>
    </message>
    <message>
        <source>Please follow the procedure:</source>
        <translation>Veuillez suivre la procédure :</translation>
    </message>
    <message>
        <source>use the « Search » button in the next window</source>
        <translation>utilisez le bouton « Rechercher » dans la fenêtre suivante</translation>
    </message>
    <message>
        <source>if search is successful, use the button « Open »</source>
        <translation>si la recherche aboutit, utilisez le bouton « Ouvrir »</translation>
    </message>
    <message>
        <source>Finally, restart the canceled copy (Edit &gt; Copy and launch &gt; Regressi).</source>
        <translation>Enfin, relancez la copie annulée (Édition &gt; Copier et lancer &gt; Regressi).</translation>
    </message>
    <message>
        <source>Regressi does not accept more than 16 variables.</source>
        <translation>Regressi n&apos;accepte pas plus de 16 variables.</translation>
    </message>
    <message>
        <source>This could produce random results.</source>
        <translation>Cela pourrait donner des résultats aléatoires.</translation>
    </message>
    <message>
        <source>An error occurred while launching Regressi.</source>
        <translation>Une erreur s&apos;est produite lors du lancement de Regressi.</translation>
    </message>
    <message>
        <source>The datasheet contains non defined values.</source>
        <translation>Le tableau de valeurs contient des valeurs non définies.</translation>
    </message>
    <message>
        <source>An old version of Regressi could misinterpret these data.</source>
        <translation>Une ancienne version de Regressi pourrait mal interpréter ces données.</translation>
    </message>
    <message>
        <source>Substitute non defined values by zeros?</source>
        <translation>Remplacer les valeurs non définies par des zéros ?</translation>
    </message>
    <message>
        <source>Regressi is starting: once its window is open, press Ctrl + V (or click Edit &gt; Paste) in it.</source>
        <translation>Regressi démarre : une fois sa fenêtre ouverte, appuyez sur Ctrl + V (ou cliquez sur Édition &gt; Coller) dans celle-ci.</translation>
    </message>
</context>
<context>
    <name>StudioText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Fichier bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>La création du fichier dans le dossier choisi a échoué.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Vérifiez vos droits d&apos;accès à ce dossier.</translation>
    </message>
    <message>
        <source>Unexpected error detected during image capture.</source>
        <translation>Erreur inattendue lors de la capture de l&apos;image.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Save image to file</source>
        <translation>Enregistrer l&apos;image dans un fichier</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Enregistrement dans le fichier image terminé.</translation>
    </message>
    <message>
        <source>File extension is PNG.</source>
        <translation>L&apos;extension du fichier est PNG.</translation>
    </message>
    <message>
        <source>File extension is BMP.</source>
        <translation>L&apos;extension du fichier est BMP.</translation>
    </message>
    <message>
        <source>First draw the outline of an object.</source>
        <translation>Dessinez d&apos;abord le contour d&apos;un objet.</translation>
    </message>
    <message>
        <source>Use the button « Draw the outline of an object ».</source>
        <translation>Utilisez le bouton « Dessiner le contour d&apos;un objet ».</translation>
    </message>
    <message>
        <source>Object&apos;s images at different positions can be drawn:</source>
        <translation>Les images de l&apos;objet à ses différentes positions peuvent être dessinées :</translation>
    </message>
    <message>
        <source>- on a blank page</source>
        <translation>- sur une page blanche</translation>
    </message>
    <message>
        <source>- on a background image</source>
        <translation>- sur une image de fond</translation>
    </message>
    <message>
        <source>The video frame placed in the background corresponding to the first position of the object.</source>
        <translation>L&apos;image vidéo placée en fond correspond à la première position de l&apos;objet.</translation>
    </message>
    <message>
        <source>Insert a background image</source>
        <translation>Insérer une image de fond</translation>
    </message>
    <message>
        <source>Unexpected error detected during the creation of the chronophotography .</source>
        <translation>Erreur inattendue lors de la création de la chronophotographie.</translation>
    </message>
    <message>
        <source>Save chronophotography to file</source>
        <translation>Enregistrer la chronophotographie dans un fichier</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Fichier enregistré :</translation>
    </message>
    <message>
        <source>The picture must be a .png or a .bmp file.</source>
        <translation>L&apos;image doit être un fichier .png ou .bmp.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was written.</source>
        <translation>Un fichier de ce nom existe déjà ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Give at least one circle: --circle FRAME:X,Y,RADIUS.</source>
        <translation>Donnez au moins un cercle : --circle FRAME:X,Y,RADIUS.</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>Frame %1 is not in the video (0 to %2).</source>
        <translation>L&apos;image %1 n&apos;est pas dans la vidéo (0 à %2).</translation>
    </message>
    <message>
        <source>The circle on frame %1 has no radius.</source>
        <translation>Le cercle de l&apos;image %1 n&apos;a pas de rayon.</translation>
    </message>
    <message>
        <source>Frame %1 has two circles; a frame holds one outline.</source>
        <translation>L&apos;image %1 a deux cercles ; une image ne porte qu&apos;un contour.</translation>
    </message>
    <message>
        <source>The circle on frame %1 encloses nothing of the picture, or the frame cannot be read.</source>
        <translation>Le cercle de l&apos;image %1 n&apos;entoure aucune partie de l&apos;image, ou l&apos;image ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>TBoiteRecordMontage</name>
    <message>
        <source>without</source>
        <translation>sans</translation>
    </message>
</context>
<context>
    <name>TFFMpegPlay</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries are not installed on the hard disk.</source>
        <translation>Les bibliothèques « FFmpeg » ne sont pas installées sur le disque dur.</translation>
    </message>
    <message>
        <source>Please download and install the « KlbDll » folder.</source>
        <translation>Veuillez télécharger et installer le dossier « KlbDll ».</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries installed on the hard disk are too old.</source>
        <translation>Les bibliothèques « FFmpeg » installées sur le disque dur sont trop anciennes.</translation>
    </message>
    <message>
        <source>Please download and install a newer version of the « KlbDll » folder.</source>
        <translation>Veuillez télécharger et installer une version plus récente du dossier « KlbDll ».</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TFFMpegRecord</name>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Aucun codec ne s&apos;appelle « %1 ».</translation>
    </message>
</context>
<context>
    <name>TGModele</name>
    <message>
        <source>Fitted from %1 = %2 to %3</source>
        <translation>Ajusté de %1 = %2 à %3</translation>
    </message>
</context>
<context>
    <name>THistorique</name>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Placer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Define</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Inverser le sens</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TModeleur</name>
    <message>
        <source>Decrease value rapidly</source>
        <translation>Diminuer rapidement la valeur</translation>
    </message>
    <message>
        <source>Decrease value; press CTRL at the same time to slow down the progression</source>
        <translation>Diminuer la valeur ; maintenez CTRL appuyée en même temps pour ralentir la progression</translation>
    </message>
    <message>
        <source>Increase value; press CTRL at the same time to slow down the progression</source>
        <translation>Augmenter la valeur ; maintenez CTRL appuyée en même temps pour ralentir la progression</translation>
    </message>
    <message>
        <source>Increase value rapidly</source>
        <translation>Augmenter rapidement la valeur</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Wrong password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>sous le point</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>à droite du point</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petite</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>ligne brisée</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Modèle constant|Les paramètres du modèle s&apos;affichent au survol de la courbe</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle affine|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Modèle linéaire (droite passant par l&apos;origine)|Les paramètres du modèle s&apos;affichent au survol de la courbe</translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle parabolique|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Modèle sinusoïdal|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Sinusoïde amortie (amortissement exponentiel)|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Sinusoïde amortie (amortissement linéaire)|Survolez la courbe avec la souris pour régler les paramètres</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Modèle exponentiel| Les paramètres du modèle s&apos;affichent au survol de la courbe </translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modifier la courbe du modèle|La position du curseur sur la courbe détermine le paramètre modifié</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Coordonnées du pointeur de la souris|Valeurs de X et Y du pointeur de la souris dans la zone graphique.</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Nouvel angle|Tracer à la souris un angle défini par deux droites</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Nouvel arc|Tracer un arc défini par deux points</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Nouveau cercle|Tracer un nouveau cercle à partir de son centre</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Courber un arc, un cercle ou une ellipse|Saisir à la souris un point de la circonférence ou du rayon</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Dupliquer des objets|Dupliquer l&apos;objet sous le pointeur de la souris ; dupliquer les objets d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Nouvelle ellipse|Tracer une nouvelle ellipse à partir de son centre</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Mesurer un angle ou la valeur d&apos;un objet|Mesurer un angle ou la valeur de l&apos;objet sous le pointeur de la souris</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Nouveau segment|Tracer un nouveau segment</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Sélectionner, déplacer ou modifier un objet|Sélectionner un objet, puis le déplacer ou le modifier à la souris quand le curseur devient une croix</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Nouvelle courbe|Tracer une courbe en plaçant des points de contrôle à la souris.</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Supprimer des objets|Supprimer l&apos;objet sous le pointeur de la souris ; supprimer les objets d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Inverser le sens des vecteurs|Inverser le sens du vecteur sous le pointeur de la souris ; inverser le sens des vecteurs d&apos;une zone rectangulaire</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Nouveau vecteur|Tracer un nouveau vecteur à la souris</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Afficher l&apos;image vidéo courante|L&apos;image vidéo est affichée derrière les objets.</translation>
    </message>
    <message>
        <source>Show this command in Results toolbar</source>
        <translation>Afficher cette commande dans la barre d&apos;outils des résultats</translation>
    </message>
    <message>
        <source>|Limit switching between different windows</source>
        <translation>|Limite les allers-retours entre les différentes fenêtres</translation>
    </message>
    <message>
        <source>|Display may be cluttered up with 2 or 3 video marks per frame</source>
        <translation>|L&apos;affichage peut être encombré avec 2 ou 3 points vidéo par image</translation>
    </message>
    <message>
        <source>Allow x-axis zoom</source>
        <translation>Permettre le zoom sur l&apos;axe des x</translation>
    </message>
    <message>
        <source>|Stretch frame horizontally</source>
        <translation>|Étirer l&apos;image horizontalement</translation>
    </message>
    <message>
        <source>Allow y-axis zoom</source>
        <translation>Permettre le zoom sur l&apos;axe des y</translation>
    </message>
    <message>
        <source>|Stretch frame vertically</source>
        <translation>|Étirer l&apos;image verticalement</translation>
    </message>
    <message>
        <source>Draw connecting segments (polyline)</source>
        <translation>Relier les points par des segments (ligne brisée)</translation>
    </message>
    <message>
        <source>|Avoid if experimental data vary strongly</source>
        <translation>|À éviter si les mesures varient fortement</translation>
    </message>
    <message>
        <source>Show equation while model modification</source>
        <translation>Afficher l&apos;équation pendant la modification du modèle</translation>
    </message>
    <message>
        <source>|You wish to modify a model and see its equation change</source>
        <translation>|Pour modifier un modèle et voir son équation changer</translation>
    </message>
    <message>
        <source>Show statistics during model modification</source>
        <translation>Afficher les statistiques pendant la modification du modèle</translation>
    </message>
    <message>
        <source>|Observe deviation between model and measurements</source>
        <translation>|Observer l&apos;écart entre le modèle et les mesures</translation>
    </message>
    <message>
        <source>Number the marks</source>
        <translation>Numéroter les points</translation>
    </message>
    <message>
        <source>|Visual link with video marks</source>
        <translation>|Lien visuel avec les points de la vidéo</translation>
    </message>
    <message>
        <source>|Check to improve numerical derivations</source>
        <translation>|Cocher pour améliorer les dérivées numériques</translation>
    </message>
    <message>
        <source>Thickness of lines and marks</source>
        <translation>Épaisseur des traits et des points</translation>
    </message>
    <message>
        <source>Shape of object outline</source>
        <translation>Forme du contour de l&apos;objet</translation>
    </message>
    <message>
        <source>Send a message to confirm quitting program</source>
        <translation>Demander confirmation avant de quitter le programme</translation>
    </message>
    <message>
        <source>|Avoid an unwanted exit</source>
        <translation>|Évite une sortie involontaire</translation>
    </message>
    <message>
        <source>Send a message to confirm closing files</source>
        <translation>Demander confirmation avant de fermer les fichiers</translation>
    </message>
    <message>
        <source>|Avoid changing video sequence without saving your work</source>
        <translation>|Évite de changer de séquence vidéo sans avoir enregistré votre travail</translation>
    </message>
    <message>
        <source>Add or remove favourite formulas</source>
        <translation>Ajouter ou retirer des formules favorites</translation>
    </message>
    <message>
        <source>|Uncheck to avoid unwanted formulas</source>
        <translation>|Décocher pour éviter les formules indésirables</translation>
    </message>
    <message>
        <source>Freeze menu: File &gt; Open recent file &gt; ...</source>
        <translation>Figer le menu : Fichier &gt; Fichiers récents &gt; ...</translation>
    </message>
    <message>
        <source>|Avoid showing undesirable files</source>
        <translation>|Évite d&apos;afficher des fichiers indésirables</translation>
    </message>
    <message>
        <source>Smooth acceleration values</source>
        <translation>Lisser les valeurs de l&apos;accélération</translation>
    </message>
    <message>
        <source>Show acceleration in the results</source>
        <translation>Afficher l&apos;accélération dans les résultats</translation>
    </message>
    <message>
        <source>|Uncheck to hide acceleration in the results</source>
        <translation>|Décocher pour masquer l&apos;accélération dans les résultats</translation>
    </message>
    <message>
        <source>Show velocity in results</source>
        <translation>Afficher la vitesse dans les résultats</translation>
    </message>
    <message>
        <source>|Uncheck to hide velocity in the results</source>
        <translation>|Décocher pour masquer la vitesse dans les résultats</translation>
    </message>
    <message>
        <source>Show columns related to velocity</source>
        <translation>Afficher les colonnes liées à la vitesse</translation>
    </message>
    <message>
        <source>Show columns related to acceleration</source>
        <translation>Afficher les colonnes liées à l&apos;accélération</translation>
    </message>
    <message>
        <source>Draw initial vectors</source>
        <translation>Tracer les vecteurs initiaux</translation>
    </message>
    <message>
        <source>|Make the user guess direction of vectors before drawing</source>
        <translation>|Faire deviner à l&apos;élève le sens des vecteurs avant de les tracer</translation>
    </message>
    <message>
        <source>Draw initial segments</source>
        <translation>Tracer les segments initiaux</translation>
    </message>
    <message>
        <source>Set zero on the y-coordinate axis</source>
        <translation>Placer le zéro sur l&apos;axe des ordonnées</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close y-values</source>
        <translation>|Évite l&apos;effet de zoom quand les valeurs de y sont proches</translation>
    </message>
    <message>
        <source>Show this command in formulas</source>
        <translation>Afficher cette commande dans les formules</translation>
    </message>
    <message>
        <source>|Uncheck for a limited but more simple use</source>
        <translation>|Décocher pour un usage limité mais plus simple</translation>
    </message>
    <message>
        <source>Show columns related to coordinates</source>
        <translation>Afficher les colonnes liées aux coordonnées</translation>
    </message>
    <message>
        <source>Hide velocity at endpoints (one mark)</source>
        <translation>Masquer la vitesse aux extrémités (un point)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the first derivative is rarely satisfying near edges</source>
        <translation>|Le calcul approché de la dérivée première est rarement satisfaisant près des bords</translation>
    </message>
    <message>
        <source>Hide acceleration at endpoints (two marks)</source>
        <translation>Masquer l&apos;accélération aux extrémités (deux points)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the second derivative is rarely satisfying near edges</source>
        <translation>|Le calcul approché de la dérivée seconde est rarement satisfaisant près des bords</translation>
    </message>
    <message>
        <source>Show angles in radian (degree by default)</source>
        <translation>Afficher les angles en radians (degrés par défaut)</translation>
    </message>
    <message>
        <source>|Unchecked: sin(30°) = 0.5</source>
        <translation>|Décoché : sin(30°) = 0.5</translation>
    </message>
    <message>
        <source>Draw graph basis origin</source>
        <translation>Tracer l&apos;origine du repère</translation>
    </message>
    <message>
        <source>|Useful for circular trajectory study</source>
        <translation>|Utile pour l&apos;étude d&apos;une trajectoire circulaire</translation>
    </message>
    <message>
        <source>Set zero on the x-coordinate axis</source>
        <translation>Placer le zéro sur l&apos;axe des abscisses</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close x-values</source>
        <translation>|Évite l&apos;effet de zoom quand les valeurs de x sont proches</translation>
    </message>
    <message>
        <source>Show the camera&apos;s point of view</source>
        <translation>Afficher le point de vue de la caméra</translation>
    </message>
    <message>
        <source>|Uncheck to see trajectory in the graph basis (O, x, y)</source>
        <translation>|Décocher pour voir la trajectoire dans le repère (O, x, y)</translation>
    </message>
    <message>
        <source>Video mark index start at zero (at one by default)</source>
        <translation>Numéroter les points vidéo à partir de zéro (de un par défaut)</translation>
    </message>
    <message>
        <source>|Warning ! this option influences the results</source>
        <translation>|Attention ! Cette option influe sur les résultats</translation>
    </message>
    <message>
        <source>Recommend naming objects</source>
        <translation>Conseiller de nommer les objets</translation>
    </message>
    <message>
        <source>|Interpretation is easier with explicit objects names</source>
        <translation>|L&apos;interprétation est plus facile avec des noms d&apos;objets explicites</translation>
    </message>
    <message>
        <source>Show dialog when frame is hidden</source>
        <translation>Afficher un message quand une image est masquée</translation>
    </message>
    <message>
        <source>|Useful for first steps in video edit mode</source>
        <translation>|Utile pour les premiers pas en mode montage</translation>
    </message>
    <message>
        <source>Calibrate both dimensions (horizontal and vertical)</source>
        <translation>Étalonner les deux dimensions (horizontale et verticale)</translation>
    </message>
    <message>
        <source>|Use both dimensions is image is stretched</source>
        <translation>|Utilisez les deux dimensions si l&apos;image est étirée</translation>
    </message>
    <message>
        <source>Draw video frame</source>
        <translation>Afficher l&apos;image vidéo</translation>
    </message>
    <message>
        <source>|Check to associate video image to graphical constructs</source>
        <translation>|Cocher pour associer l&apos;image vidéo aux constructions graphiques</translation>
    </message>
    <message>
        <source>Allow automatic tracking</source>
        <translation>Permettre le suivi automatique</translation>
    </message>
    <message>
        <source>|Uncheck to prevent automatic tracking</source>
        <translation>|Décocher pour interdire le suivi automatique</translation>
    </message>
    <message>
        <source>Allow video edit mode</source>
        <translation>Permettre le mode montage</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video edit</source>
        <translation>|Décocher pour interdire le montage vidéo</translation>
    </message>
    <message>
        <source>Allow video capture</source>
        <translation>Permettre la capture vidéo</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video capture</source>
        <translation>|Décocher pour interdire la capture vidéo</translation>
    </message>
    <message>
        <source>Draw initial curves</source>
        <translation>Tracer les courbes initiales</translation>
    </message>
    <message>
        <source>|Useful to measure the length of a curved trajectory</source>
        <translation>|Utile pour mesurer la longueur d&apos;une trajectoire courbe</translation>
    </message>
    <message>
        <source>Show the values of the object during modification</source>
        <translation>Afficher les valeurs de l&apos;objet pendant sa modification</translation>
    </message>
    <message>
        <source>|Useful to adjust an object&apos;s measurement to a specific value</source>
        <translation>|Utile pour ajuster la mesure d&apos;un objet à une valeur précise</translation>
    </message>
    <message>
        <source>Draw the target search zone</source>
        <translation>Afficher la zone de recherche de la cible</translation>
    </message>
    <message>
        <source>|Compare the distance between two successive positions of the target with the radius of the search zone</source>
        <translation>|Comparer la distance entre deux positions successives de la cible au rayon de la zone de recherche</translation>
    </message>
    <message>
        <source>Show polar quantities within results</source>
        <translation>Afficher les grandeurs polaires dans les résultats</translation>
    </message>
    <message>
        <source>|Unchecked, polar coordinates and the angular velocity no longer appear in any window</source>
        <translation>|Décochées, les coordonnées polaires et la vitesse angulaire n&apos;apparaissent plus dans aucune fenêtre</translation>
    </message>
    <message>
        <source>Smooth velocity values</source>
        <translation>Lisser les valeurs de la vitesse</translation>
    </message>
    <message>
        <source>Show columns related to polar quantities</source>
        <translation>Afficher les colonnes liées aux grandeurs polaires</translation>
    </message>
    <message>
        <source>Allow video studio</source>
        <translation>Permettre le studio vidéo</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video studio</source>
        <translation>|Décocher pour interdire le studio vidéo</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>|Number of files: 1 to 20</source>
        <translation>|Nombre de fichiers : 1 à 20</translation>
    </message>
    <message>
        <source>Radius of target search zone (in pixels)</source>
        <translation>Rayon de la zone de recherche de la cible (en pixels)</translation>
    </message>
    <message>
        <source>|A large search radius will reduce the tracking speed</source>
        <translation>|Un grand rayon de recherche ralentit le suivi</translation>
    </message>
    <message>
        <source>Marks numbering</source>
        <translation>Numérotation des points</translation>
    </message>
    <message>
        <source>Layer marks numbering</source>
        <translation>Numérotation des points du calque</translation>
    </message>
    <message>
        <source>Restrict access to options with a password</source>
        <translation>Protéger l&apos;accès aux options par un mot de passe</translation>
    </message>
    <message>
        <source>|Password is stored in Kolibra.ini file</source>
        <translation>|Le mot de passe est enregistré dans le fichier Kolibra.ini</translation>
    </message>
    <message>
        <source>Default directory :</source>
        <translation>Dossier par défaut :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>|The language of the menus, windows and help</source>
        <translation>|La langue des menus, des fenêtres et de l&apos;aide</translation>
    </message>
</context>
<context>
    <name>TPlaneTool</name>
    <message>
        <source>Click the four corners of the rectangle first.</source>
        <translation>Cliquez d&apos;abord sur les quatre coins du rectangle.</translation>
    </message>
</context>
<context>
    <name>TPolyContainer</name>
    <message>
        <source>A similar mark already exists on this image.</source>
        <translation>Un point semblable existe déjà sur cette image.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>of point n°</source>
        <translation>du point n°</translation>
    </message>
</context>
<context>
    <name>TRepere</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
</context>
<context>
    <name>TVideo</name>
    <message>
        <source>Wait please ...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Mechanics from video</source>
        <translation>La mécanique par la vidéo</translation>
    </message>
    <message>
        <source>Reading stopped.</source>
        <translation>Lecture arrêtée.</translation>
    </message>
</context>
<context>
    <name>TVideoPlay</name>
    <message>
        <source>Video for Windows</source>
        <translation>Video for Windows</translation>
    </message>
    <message>
        <source>DirectShow</source>
        <translation>DirectShow</translation>
    </message>
    <message>
        <source>FFMpeg</source>
        <translation>FFMpeg</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Le fichier n&apos;indique aucune fréquence d&apos;images.</translation>
    </message>
    <message>
        <source>The frame rate of this video (%1 frames per second) is too low: Kolibra cannot play frames more than 65.535 seconds apart.</source>
        <translation>La fréquence d&apos;images de cette vidéo (%1 images par seconde) est trop basse : Kolibra ne peut pas lire des images espacées de plus de 65,535 secondes.</translation>
    </message>
</context>
<context>
    <name>TrackingText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First draw the outline of the target object</source>
        <translation>Dessinez d&apos;abord le contour de l&apos;objet cible</translation>
    </message>
    <message>
        <source>The sequence starts with the last frame of the video (tracking not necessary)</source>
        <translation>La séquence commence à la dernière image de la vidéo (suivi inutile)</translation>
    </message>
    <message>
        <source>First open a video file</source>
        <translation>Ouvrez d&apos;abord un fichier vidéo</translation>
    </message>
    <message>
        <source>Number of the first frame is incorrect</source>
        <translation>Le numéro de la première image est incorrect</translation>
    </message>
    <message>
        <source>An automatic tracking has been done.</source>
        <translation>Un suivi automatique a été effectué.</translation>
    </message>
    <message>
        <source>Do you want to keep the data ?</source>
        <translation>Voulez-vous garder les données ?</translation>
    </message>
    <message>
        <source>The new marks will replace any already present ones</source>
        <translation>Les nouveaux points remplaceront ceux déjà présents</translation>
    </message>
    <message>
        <source>Uncertain positions %1, to check (frames): %2</source>
        <translation>Positions incertaines %1, à vérifier (images) : %2</translation>
    </message>
    <message>
        <source>Lost positions %1, no mark there (frames): %2</source>
        <translation>Positions perdues %1, sans point (images) : %2</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The outline of the target needs at least three distinct points.</source>
        <translation>Le contour de la cible demande au moins trois points distincts.</translation>
    </message>
    <message>
        <source>The outline of the target lies outside the frame.</source>
        <translation>Le contour de la cible est en dehors de l&apos;image.</translation>
    </message>
    <message>
        <source>The outline of the target encloses no pixel.</source>
        <translation>Le contour de la cible n&apos;entoure aucun pixel.</translation>
    </message>
    <message>
        <source>The first frame of the sequence cannot be read.</source>
        <translation>La première image de la séquence ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>VfwPlayText</name>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>This is not an AVI file.</source>
        <translation>Ce n&apos;est pas un fichier AVI.</translation>
    </message>
    <message>
        <source>The headers of this AVI file are missing.</source>
        <translation>Les en-têtes de ce fichier AVI sont absents.</translation>
    </message>
    <message>
        <source>The AVI file holds no video stream.</source>
        <translation>Le fichier AVI ne contient aucun flux vidéo.</translation>
    </message>
    <message>
        <source>The format of the video stream is missing or damaged.</source>
        <translation>Le format du flux vidéo est absent ou endommagé.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>La taille d&apos;image %1 x %2 annoncée par le fichier n&apos;est pas plausible : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file announces %1 frames, more than it can hold: the file is damaged.</source>
        <translation>Le fichier annonce %1 images, plus qu&apos;il ne peut en contenir : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>The video has %1 frames: Kolibra reads videos of %2 frames at most.</source>
        <translation>La vidéo a %1 images : Kolibra lit des vidéos de %2 images au plus.</translation>
    </message>
    <message>
        <source>The AVI file holds no frame.</source>
        <translation>Le fichier AVI ne contient aucune image.</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>Aucun décodeur n&apos;est disponible pour le codec vidéo « %1 » de ce fichier.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started.</source>
        <translation>Le décodeur du codec « %1 » ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>C&apos;est un dossier, pas un fichier vidéo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier vidéo mais un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Le fichier n&apos;indique aucune fréquence d&apos;images.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>La première image du fichier ne peut pas être décodée.</translation>
    </message>
</context>
<context>
    <name>VfwRecordText</name>
    <message>
        <source>Process cancelled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Video not initialized</source>
        <translation>Vidéo non initialisée</translation>
    </message>
    <message>
        <source>Aan image is damaged</source>
        <translation>Une image est endommagée</translation>
    </message>
    <message>
        <source>This frame could not be inserted in the video stream</source>
        <translation>Cette image n&apos;a pas pu être insérée dans le flux vidéo</translation>
    </message>
    <message>
        <source>Unable to compress video stream</source>
        <translation>Impossible de compresser le flux vidéo</translation>
    </message>
    <message>
        <source>Unable to define video stream format</source>
        <translation>Impossible de définir le format du flux vidéo</translation>
    </message>
    <message>
        <source>Unable to replace a file with the same name (it may be in use in another program)</source>
        <translation>Impossible de remplacer un fichier du même nom (il est peut-être utilisé par un autre programme)</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>Impossible d&apos;écrire le fichier vidéo sur le disque</translation>
    </message>
    <message>
        <source>Unable to create video stream in memory</source>
        <translation>Impossible de créer le flux vidéo en mémoire</translation>
    </message>
    <message>
        <source>Coder does not exist or is not available</source>
        <translation>Le codeur n&apos;existe pas ou n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Aucun codec ne s&apos;appelle « %1 ».</translation>
    </message>
    <message>
        <source>The codec kept back some frames.</source>
        <translation>Le codec a retenu certaines images.</translation>
    </message>
</context>
<context>
    <name>VideoCli</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Vérifiez qu&apos;il n&apos;a pas été déplacé.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>Impossible d&apos;ouvrir ce fichier vidéo.</translation>
    </message>
    <message>
        <source>There is no frame %1: frame indexes start at 0.</source>
        <translation>Il n&apos;y a pas d&apos;image %1 : les numéros d&apos;images commencent à 0.</translation>
    </message>
    <message>
        <source>There is no frame %1: the frames of this video are 0 to %2.</source>
        <translation>Il n&apos;y a pas d&apos;image %1 : les images de cette vidéo vont de 0 à %2.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be read.</source>
        <translation>L&apos;image %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Unable to write the picture.</source>
        <translation>Impossible d&apos;écrire l&apos;image.</translation>
    </message>
</context>
<context>
    <name>VideoWriterText</name>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>The frame rate is not valid.</source>
        <translation>La fréquence d&apos;images n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The frame size is not valid.</source>
        <translation>La taille des images n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Un dossier porte ce nom.</translation>
    </message>
    <message>
        <source>No frame was written.</source>
        <translation>Aucune image n&apos;a été écrite.</translation>
    </message>
</context>
<context>
    <name>VideoWriters</name>
    <message>
        <source>The framework %1 cannot write videos on this computer.</source>
        <translation>L&apos;interface %1 ne peut pas écrire de vidéos sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The frame size must be positive.</source>
        <translation>La taille des images doit être positive.</translation>
    </message>
</context>
<context>
    <name>WorkCliText</name>
    <message>
        <source>Saving has failed.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Vérifiez que le disque n&apos;est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>L&apos;enregistrement du fichier a échoué.</translation>
    </message>
    <message>
        <source>No object is named %1.</source>
        <translation>Aucun objet ne s&apos;appelle %1.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>Le module de calcul a détecté une erreur.</translation>
    </message>
    <message>
        <source>Give the lens one way only: as coefficients, as straight lines or as a checkerboard.</source>
        <translation>Donnez l&apos;objectif d&apos;une seule façon : par ses coefficients, par des lignes droites ou par un damier.</translation>
    </message>
    <message>
        <source>A checkerboard finds the focal length itself and keeps the picture&apos;s centre: leave out --focal and --centre.</source>
        <translation>Un damier trouve lui-même la distance focale et garde le centre de l&apos;image : omettez --focal et --centre.</translation>
    </message>
    <message>
        <source>The work&apos;s video cannot be read.</source>
        <translation>La vidéo du travail ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Video file</source>
        <translation>Fichier vidéo</translation>
    </message>
    <message>
        <source>Frame interval</source>
        <translation>Intervalle entre images</translation>
    </message>
    <message>
        <source>m/pixel</source>
        <translation>m/pixel</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <translation>Échelle horizontale</translation>
    </message>
    <message>
        <source>Vertical scale</source>
        <translation>Échelle verticale</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non définie</translation>
    </message>
    <message>
        <source>Axes angle</source>
        <translation>Angle des axes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>The sheet %1 cannot be added.</source>
        <translation>La feuille %1 ne peut pas être ajoutée.</translation>
    </message>
    <message>
        <source>The file already exists.</source>
        <translation>Le fichier existe déjà.</translation>
    </message>
    <message>
        <source>The file cannot be created.</source>
        <translation>Le fichier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The file cannot be written completely.</source>
        <translation>Le fichier ne peut pas être entièrement écrit.</translation>
    </message>
    <message>
        <source>Unknown workbook extension: %1</source>
        <translation>Extension de classeur inconnue : %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Le fichier ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>The file name must end with .txt, .csv, .json, .ipynb, .xlsx or .ods: %1</source>
        <translation>Le nom du fichier doit se terminer par .txt, .csv, .json, .ipynb, .xlsx ou .ods : %1</translation>
    </message>
</context>
<context>
    <name>WrittenVideoText</name>
    <message>
        <source>Kolibra cannot read it back: %1</source>
        <translation>Kolibra ne peut pas la relire : %1</translation>
    </message>
    <message>
        <source>Read back: %1 frames, %2 x %3 pixels, %4 frames per second</source>
        <translation>Relecture : %1 images, %2 x %3 pixels, %4 images par seconde</translation>
    </message>
</context>
<context>
    <name>kolibra::printing::TBoiteImprimer</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>La page n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF document could not be saved.</source>
        <translation>Le document PDF n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The page was saved as %1</source>
        <translation>La page a été enregistrée sous %1</translation>
    </message>
    <message>
        <source>PDF saved:</source>
        <translation>PDF enregistré :</translation>
    </message>
    <message>
        <source>|Pan or adjust frame dimensions with left mouse button</source>
        <translation>|Déplacer ou ajuster les dimensions du cadre avec le bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>|Add a title</source>
        <translation>|Ajouter un titre</translation>
    </message>
    <message>
        <source>|Select a font for title</source>
        <translation>|Choisir la police du titre</translation>
    </message>
    <message>
        <source>|Title font height</source>
        <translation>|Taille de la police du titre</translation>
    </message>
    <message>
        <source>|Change font height</source>
        <translation>|Modifier la taille de la police</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>|Landscape mode rotates the graph 90 degrees from its default orientation</source>
        <translation>|Le mode paysage fait tourner le graphique de 90 degrés par rapport à son orientation par défaut</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Quick page setup</source>
        <translation>Mise en page rapide</translation>
    </message>
    <message>
        <source>|Select a template</source>
        <translation>|Choisir un modèle</translation>
    </message>
    <message>
        <source>Top centered</source>
        <translation>Centré en haut</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Pleine page</translation>
    </message>
    <message>
        <source>|Simple custom printing or automatic double</source>
        <translation>|Impression personnalisée simple ou double automatique</translation>
    </message>
    <message>
        <source>|Save the page as a PDF document</source>
        <translation>|Enregistrer la page en document PDF</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>|Close the print window</source>
        <translation>|Fermer la fenêtre d&apos;impression</translation>
    </message>
</context>
</TS>
