<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountCloudSession</name>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="57"/>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="58"/>
        <source>Sharing: %1</source>
        <translation>Partage&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="59"/>
        <source>Share this account with members of your Corvantis family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Corvantis. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="61"/>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="62"/>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n’est encore partagé avec personne.</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="63"/>
        <source>You&apos;re not in a family group yet. Invite someone, or join a group with an invite code, under File &gt; Corvantis Account &gt; Group.</source>
        <translation>Vous ne faites encore partie d’aucun groupe familial. Invitez quelqu’un ou rejoignez un groupe avec un code d’invitation, dans Fichier &gt; Compte Corvantis &gt; Groupe.</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="65"/>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="66"/>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="67"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="69"/>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="70"/>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="71"/>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="72"/>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l’accès de %1 à ce compte&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="23"/>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="28"/>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="32"/>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="33"/>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="34"/>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="35"/>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="36"/>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="37"/>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="41"/>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="42"/>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="43"/>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="44"/>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="45"/>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="46"/>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="67"/>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="72"/>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="75"/>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="76"/>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="77"/>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="78"/>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="79"/>
        <source>&amp;As of:</source>
        <translation>&amp;En date du&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="80"/>
        <source>&amp;Institution:</source>
        <translation>Éta&amp;blissement&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="81"/>
        <source>Account &amp;Number:</source>
        <translation>N&amp;uméro de compte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="101"/>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <location filename="../../src/app/application.cpp" line="98"/>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <location filename="../../src/app/application.cpp" line="99"/>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d’initialiser la base de données.

Dossier des données&#xa0;: %1

Vérifiez les autorisations des fichiers, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupRowValidator</name>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="192"/>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="194"/>
        <source>text or null</source>
        <translation>du texte ou null</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="196"/>
        <source>a whole number of minor units within ±%1</source>
        <translation>un nombre entier d’unités monétaires mineures compris dans ±%1</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="199"/>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="201"/>
        <source>0, 1, true or false</source>
        <translation>0, 1, true ou false</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="203"/>
        <source>a yyyy-MM-dd date</source>
        <translation>une date au format yyyy-MM-dd</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="205"/>
        <source>a yyyy-MM-dd date or null</source>
        <translation>une date au format yyyy-MM-dd ou null</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="208"/>
        <source>an ISO 8601 UTC time</source>
        <translation>une heure UTC au format ISO 8601</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="214"/>
        <source>one of its known values</source>
        <translation>l’une de ses valeurs connues</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="231"/>
        <source>%1 must be %2</source>
        <translation>%1 doit être %2</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="236"/>
        <source>a category cannot be its own parent</source>
        <translation>une catégorie ne peut pas être sa propre catégorie parente</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="137"/>
        <source>%1: cannot be restored: %2</source>
        <translation>%1&#xa0;: restauration impossible&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="180"/>
        <source>no id</source>
        <translation>identifiant manquant</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="193"/>
        <source>%1: unknown member &quot;%2&quot; ignored</source>
        <translation>%1&#xa0;: champ inconnu «&#xa0;%2&#xa0;» ignoré</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="200"/>
        <source>%1 holds no value a column can take</source>
        <translation>%1 ne contient aucune valeur acceptable pour une colonne</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="251"/>
        <source>parent_id leads back to the category itself</source>
        <translation>parent_id renvoie à la catégorie elle-même</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="347"/>
        <source>The restore failed and nothing was changed: %1</source>
        <translation>La restauration a échoué et rien n’a été modifié&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="367"/>
        <source>%1: damaged archive entry</source>
        <translation>%1&#xa0;: entrée d’archive endommagée</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="373"/>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON non valide</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="455"/>
        <location filename="../../src/services/backupservice.cpp" line="486"/>
        <source>cannot read the table %1: %2</source>
        <translation>impossible de lire la table %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="512"/>
        <source>Invalid backup: archive entries overlap</source>
        <translation>Sauvegarde non valide&#xa0;: des entrées de l’archive se chevauchent</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="515"/>
        <source>Invalid backup: the archive would inflate to more than %1 bytes</source>
        <translation>Sauvegarde non valide&#xa0;: l’archive décompressée dépasserait %1 octets</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="520"/>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d’ouvrir l’archive ZIP</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="528"/>
        <source>Invalid backup: manifest.json is damaged or too large</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json est endommagé ou trop volumineux</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="533"/>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json manquant</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="539"/>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="26"/>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="28"/>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="85"/>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="85"/>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="110"/>
        <source>Category name:</source>
        <translation>Nom de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="110"/>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="125"/>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="126"/>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;? Les opérations de cette catégorie deviendront non catégorisées.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="143"/>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="145"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="146"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="26"/>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="27"/>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="28"/>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="29"/>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="30"/>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="31"/>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts d’État et locaux</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="32"/>
        <source>Mortgage Interest</source>
        <translation>Intérêts d’emprunt immobilier</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="33"/>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="35"/>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="36"/>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="37"/>
        <location filename="../../src/services/categoryservice.cpp" line="49"/>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="38"/>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="39"/>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Utilities</source>
        <translation>Services publics</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="40"/>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="41"/>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="42"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="43"/>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="44"/>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="45"/>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="46"/>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="47"/>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="48"/>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="50"/>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="51"/>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Groceries</source>
        <translation>Courses alimentaires</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="52"/>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="53"/>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="54"/>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="55"/>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="56"/>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="57"/>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="58"/>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="59"/>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="60"/>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="61"/>
        <source>Events</source>
        <translation>Sorties et événements</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="63"/>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="65"/>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="67"/>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="68"/>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="69"/>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="71"/>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="72"/>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="73"/>
        <source>ATM Fees</source>
        <translation>Frais de retrait DAB</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="74"/>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Salary / Wages</source>
        <translation>Salaires</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="78"/>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="79"/>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="80"/>
        <source>Freelance / Consulting</source>
        <translation>Freelance / Conseil</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="81"/>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="82"/>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="83"/>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="22"/>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="24"/>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="28"/>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="131"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="133"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="135"/>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CloudSession</name>
    <message>
        <location filename="../../src/app/cloudsession.cpp" line="19"/>
        <source>the cloud service is not available in this version</source>
        <translation>le service cloud n’est pas disponible dans cette version</translation>
    </message>
    <message>
        <location filename="../../src/app/cloudsession.cpp" line="29"/>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::AccountScreen</name>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="86"/>
        <source>Corvantis Account</source>
        <translation>Compte Corvantis</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="273"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="330"/>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="554"/>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="624"/>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="705"/>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="214"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="217"/>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="219"/>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="221"/>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="223"/>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="287"/>
        <source>Could not load your profile.</source>
        <translation>Impossible de charger votre profil.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="291"/>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="292"/>
        <source>(not set)</source>
        <translation>(non renseigné)</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="299"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="308"/>
        <source>Edit Display Name</source>
        <translation>Modifier le nom affiché</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="308"/>
        <source>Display name:</source>
        <translation>Nom affiché&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="318"/>
        <source>Failed to update profile.</source>
        <translation>Échec de la mise à jour du profil.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="321"/>
        <source>Display name updated.</source>
        <translation>Nom affiché mis à jour.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="347"/>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="349"/>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d’aucun groupe. Le propriétaire d’un groupe peut vous inviter, ou vous pouvez le rejoindre avec un code d’invitation.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="350"/>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d’invitation</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="355"/>
        <source>Start a Group</source>
        <translation>Créer un groupe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="356"/>
        <source>Invite the people you share your finances with; the group is created with you as its owner.</source>
        <translation>Invitez les personnes avec qui vous partagez vos finances&#xa0;; le groupe est créé avec vous comme propriétaire.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="364"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="489"/>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="366"/>
        <source>Generate Invite Code</source>
        <translation>Générer un code d’invitation</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="387"/>
        <source>%1 of %2 seats used</source>
        <translation>%1 places utilisées sur %2</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="389"/>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="398"/>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="400"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="583"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="409"/>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="411"/>
        <source>Anyone with the code</source>
        <translation>Toute personne disposant du code</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="414"/>
        <source>Invite code: %1</source>
        <translation>Code d’invitation&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="416"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="685"/>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="421"/>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="424"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="528"/>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="434"/>
        <source>Join Group</source>
        <translation>Rejoindre un groupe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="434"/>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d’invitation&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="443"/>
        <source>Invalid or expired invite code.</source>
        <translation>Code d’invitation non valide ou expiré.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="446"/>
        <source>Joined group.</source>
        <translation>Vous avez rejoint le groupe.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="454"/>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="454"/>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="463"/>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="466"/>
        <source>%1 removed.</source>
        <translation>%1 a été retiré du groupe.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="478"/>
        <source>Could not revoke the invitation.</source>
        <translation>Impossible de révoquer l’invitation.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="481"/>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="489"/>
        <source>Email address:</source>
        <translation>Adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="498"/>
        <source>Failed to send invitation.</source>
        <translation>Échec de l’envoi de l’invitation.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="501"/>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="513"/>
        <source>Failed to generate code.</source>
        <translation>Échec de la génération du code.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="516"/>
        <source>Invite Code</source>
        <translation>Code d’invitation</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="517"/>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous souhaitez inviter&#xa0;:

%1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="528"/>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe&#xa0;? Vous perdrez l’accès aux données partagées.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="537"/>
        <source>Could not leave the group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="540"/>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="552"/>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils synchronisés avec votre compte.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="553"/>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="568"/>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="573"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="592"/>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="576"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="577"/>
        <source>Last sync: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="593"/>
        <source>Remove Device</source>
        <translation>Retirer l’appareil</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="593"/>
        <source>Remove %1?</source>
        <translation>Retirer %1&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="602"/>
        <source>Could not remove the device.</source>
        <translation>Impossible de retirer l’appareil.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="605"/>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="617"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="618"/>
        <source>Change your account password.</source>
        <translation>Modifiez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="619"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="629"/>
        <source>Change Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="622"/>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="623"/>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="631"/>
        <source>Current password:</source>
        <translation>Mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="634"/>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="638"/>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="641"/>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="645"/>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="651"/>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="651"/>
        <source>Failed to change password.</source>
        <translation>Échec de la modification du mot de passe.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="666"/>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="673"/>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="676"/>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="683"/>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="697"/>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="712"/>
        <source>Danger Zone</source>
        <translation>Zone sensible</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="713"/>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimer définitivement votre compte. Cette action est irréversible après 30 jours.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="714"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="733"/>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="725"/>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="734"/>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours.

Tapez DELETE pour confirmer&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="743"/>
        <source>Failed to delete account.</source>
        <translation>Échec de la suppression du compte.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="746"/>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="747"/>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d’ici là.</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::AccountSharingService</name>
    <message>
        <location filename="../../src/account/accountsharingservice.cpp" line="40"/>
        <location filename="../../src/account/accountsharingservice.cpp" line="60"/>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Échec du partage du compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::ApiClient</name>
    <message>
        <location filename="../../src/account/apiclient.cpp" line="163"/>
        <source>The service&apos;s answer is too large</source>
        <translation>La réponse du service est trop volumineuse</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::ShareMembersDialog</name>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="147"/>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="190"/>
        <source>Not shared with anyone yet.</source>
        <translation>Cet élément n’est encore partagé avec personne.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="217"/>
        <source>All group members already added</source>
        <translation>Tous les membres du groupe sont déjà ajoutés</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="236"/>
        <source>Sharing...</source>
        <translation>Partage...</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="250"/>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="260"/>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Retirer l’accès de %1 à cet élément&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="261"/>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="274"/>
        <source>Could not remove share.</source>
        <translation>Impossible de retirer le partage.</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate</name>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="44"/>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="108"/>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="118"/>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="124"/>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="132"/>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate::UpdateDialog</name>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="20"/>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="23"/>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="26"/>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="33"/>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="45"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="49"/>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="77"/>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate::WhatsNewDialog</name>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="19"/>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="23"/>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="29"/>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="36"/>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="39"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <location filename="../../src/ui/register/datefield.cpp" line="16"/>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="67"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="188"/>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="69"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="189"/>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="70"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="187"/>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="86"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="89"/>
        <source>Col %1: %2</source>
        <translation>Col. %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="90"/>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="101"/>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="102"/>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="103"/>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="105"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="336"/>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="106"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="116"/>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="120"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="122"/>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="149"/>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="165"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="173"/>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="178"/>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="180"/>
        <source>Date column:</source>
        <translation>Colonne de la date&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="181"/>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="182"/>
        <source>Amount column:</source>
        <translation>Colonne du montant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="183"/>
        <source>Memo column:</source>
        <translation>Colonne de la note&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="184"/>
        <source>Category column:</source>
        <translation>Colonne de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="185"/>
        <source>Check number column:</source>
        <translation>Colonne du n° de chèque&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="321"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="190"/>
        <source>Delimiter:</source>
        <translation>Séparateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="193"/>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="205"/>
        <source>QIF source accounts:</source>
        <translation>Comptes d’origine QIF&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="206"/>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez le compte de destination de chaque compte Quicken. Les virements entre les comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="353"/>
        <source>Select QIF File(s)</source>
        <translation>Sélectionner des fichiers QIF</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="353"/>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="360"/>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="362"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="380"/>
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="384"/>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse des fichiers QIF...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="392"/>
        <source>Cannot import: %1</source>
        <translation>Importation impossible&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="409"/>
        <source>Auto (%1)</source>
        <translation>Auto (%1)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="450"/>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="485"/>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte «&#xa0;%1&#xa0;» —</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="486"/>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="504"/>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="504"/>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez le compte dans lequel importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="556"/>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="594"/>
        <source>Import failed.</source>
        <translation>Échec de l’importation.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="595"/>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l’importation et toutes les modifications ont été annulées. Aucune opération n’a été ajoutée.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="601"/>
        <source>Import complete!</source>
        <translation>Importation terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="602"/>
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="604"/>
        <source>No transactions were imported</source>
        <translation>Aucune opération n’a été importée</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="607"/>
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="609"/>
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à une ligne déjà importée)</numerusform>
            <numerusform>  (dont %n liés à des lignes déjà importées)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="612"/>
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="614"/>
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="616"/>
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="618"/>
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte d’origine non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte d’origine non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="620"/>
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="622"/>
        <source>The file holds no transactions.</source>
        <translation>Le fichier ne contient aucune opération.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <location filename="../../src/services/importservice.cpp" line="255"/>
        <source>The account %1 does not exist or has been deleted.</source>
        <translation>Le compte %1 n’existe pas ou a été supprimé.</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="282"/>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 dépasse %2 Mio</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="448"/>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="458"/>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="459"/>
        <source>Uncategorized</source>
        <translation>Non catégorisé</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="750"/>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="123"/>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="125"/>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="127"/>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="129"/>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="131"/>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="135"/>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="157"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="270"/>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="272"/>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="306"/>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="312"/>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="336"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="337"/>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="343"/>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="347"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="353"/>
        <source>&amp;Corvantis Account...</source>
        <translation>Compte Co&amp;rvantis...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="356"/>
        <source>&amp;Sign In...</source>
        <translation>&amp;Se connecter...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="362"/>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="365"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="369"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="370"/>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="374"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="377"/>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="378"/>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="379"/>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="382"/>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="384"/>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="386"/>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="388"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="390"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="391"/>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="394"/>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Opérations récurrentes</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="397"/>
        <source>C&amp;ategories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="401"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="402"/>
        <source>&amp;About Corvantis Zimbrel</source>
        <translation>À &amp;propos de Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="403"/>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="408"/>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="415"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="418"/>
        <source>Load &amp;Sample Data</source>
        <translation>Charger les &amp;données d’exemple</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="419"/>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d’exemple</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="449"/>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="469"/>
        <source>Welcome to Corvantis Zimbrel</source>
        <translation>Bienvenue dans Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="477"/>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="487"/>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="507"/>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV avec Fichier › Importer.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="557"/>
        <location filename="../../src/app/mainwindow.cpp" line="629"/>
        <source>Out of range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="628"/>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="629"/>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/mainwindow.cpp" line="712"/>
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente enregistrée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes enregistrées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="752"/>
        <source>Select an account first</source>
        <translation>Sélectionnez d’abord un compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="789"/>
        <source>The account could not be created</source>
        <translation>Le compte n’a pas pu être créé</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="808"/>
        <source>The account could not be saved</source>
        <translation>Le compte n’a pas pu être enregistré</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="831"/>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="843"/>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="888"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="906"/>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="917"/>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="928"/>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="939"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="953"/>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="964"/>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="975"/>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1008"/>
        <source>Corvantis Account</source>
        <translation>Compte Corvantis</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1028"/>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1029"/>
        <source>Sharing an account needs a signed-in Corvantis account.

Sign in via File › Sign In, then share the account again.</source>
        <translation>Pour partager un compte, vous devez être connecté à un compte Corvantis.

Connectez-vous avec Fichier › Se connecter, puis partagez à nouveau le compte.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1039"/>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1052"/>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1054"/>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1056"/>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1058"/>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1061"/>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1064"/>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1076"/>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1077"/>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?

Toutes les opérations, les opérations récurrentes et l’historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1085"/>
        <source>The account could not be deleted</source>
        <translation>Le compte n’a pas pu être supprimé</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1108"/>
        <source>About Corvantis Zimbrel</source>
        <translation>À propos de Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1109"/>
        <source>&lt;h3&gt;Corvantis Zimbrel&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital checkbook register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPLv3). The Qt source code is available from &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;download.qt.io&lt;/a&gt;; see &lt;a href=&quot;https://www.qt.io/licensing/open-source-lgpl-obligations&quot;&gt;qt.io&lt;/a&gt; for the licence terms.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Corvantis Zimbrel&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre de chéquier numérique pour suivre les finances du foyer.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt, distribué sous la licence GNU Lesser General Public License version 3 (LGPLv3). Le code source de Qt est disponible sur &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;download.qt.io&lt;/a&gt;&#xa0;; les conditions de la licence sont indiquées sur &lt;a href=&quot;https://www.qt.io/licensing/open-source-lgpl-obligations&quot;&gt;qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1122"/>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1123"/>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+1 &amp;ndash; Alt+9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l’opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l’opération en cours&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ au-dessus&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd’hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l’année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Importer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+1 &amp;ndash; Alt+9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1144"/>
        <location filename="../../src/app/mainwindow.cpp" line="1158"/>
        <source>Sample Data</source>
        <translation>Données d’exemple</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1144"/>
        <source>Sample data is already loaded.</source>
        <translation>Les données d’exemple sont déjà chargées.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1151"/>
        <source>Sample data loaded</source>
        <translation>Données d’exemple chargées</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1158"/>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d’exemple à effacer.</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1170"/>
        <source>Sample data cleared</source>
        <translation>Données d’exemple effacées</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="20"/>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="21"/>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="23"/>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="36"/>
        <source>Rename &amp;to:</source>
        <translation>Renommer &amp;en&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="78"/>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="78"/>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>Les bénéficiaires n’ont pas pu être renommés. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="91"/>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/payeescreen.cpp" line="91"/>
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="100"/>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="100"/>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="106"/>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="107"/>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="114"/>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/payeescreen.cpp" line="114"/>
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="27"/>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="35"/>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Completed</source>
        <translation>Effectué le</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="56"/>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l’instant. Rapprochez votre compte depuis le registre pour voir l’historique ici.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="76"/>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="53"/>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="70"/>
        <source>Statement Date:</source>
        <translation>Date du relevé&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="72"/>
        <source>Statement Balance:</source>
        <translation>Solde du relevé&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="85"/>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="86"/>
        <source>Cleared Deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="87"/>
        <source>Cleared Withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="89"/>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="90"/>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="92"/>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="96"/>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="99"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="132"/>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="133"/>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>Ajouter une opération (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="134"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="135"/>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l’opération sélectionnée (F2)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="136"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="137"/>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l’opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="359"/>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="360"/>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>Le rapprochement n’a pas pu être enregistré. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="363"/>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="363"/>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a bien été rapproché.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="403"/>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l’opération «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="404"/>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;»&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="405"/>
        <source>Delete Transaction</source>
        <translation>Supprimer l’opération</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="55"/>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="56"/>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="65"/>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="67"/>
        <source>Auto-post when due</source>
        <translation>Enregistrer automatiquement à l’échéance</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="68"/>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="70"/>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="99"/>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="118"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="130"/>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="133"/>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="133"/>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="134"/>
        <source>Bi-weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="134"/>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="135"/>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="135"/>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="136"/>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="149"/>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="150"/>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="151"/>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="152"/>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="153"/>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="154"/>
        <source>Memo:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="155"/>
        <source>Frequency:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="156"/>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="159"/>
        <source>End Date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="238"/>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l’opération récurrente</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="248"/>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l’opération</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="37"/>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="39"/>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="41"/>
        <source>Bi-weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="43"/>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="45"/>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="47"/>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="49"/>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="84"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="84"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="86"/>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="86"/>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="110"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="112"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="114"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="116"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="118"/>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="120"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="122"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="27"/>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="28"/>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="30"/>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="94"/>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="160"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="160"/>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l’opération récurrente «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="192"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="193"/>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="196"/>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="199"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <location filename="../../src/ui/register/registerdelegate.cpp" line="190"/>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="43"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="45"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Chk #</source>
        <translation>N° chq</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="47"/>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Note</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="47"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="49"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="51"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="53"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="55"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="157"/>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="57"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="157"/>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="59"/>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="62"/>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="96"/>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Ctrl+Enter&#xa0;: enregistrer  |  Enter&#xa0;: suivant  |  Ctrl+D&#xa0;: supprimer  |  Ctrl+M&#xa0;: mémoriser  |  &apos;&#xa0;: copier au-dessus</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="597"/>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="602"/>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="606"/>
        <source>Enter a valid amount</source>
        <translation>Saisissez un montant valide</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="624"/>
        <location filename="../../src/ui/register/registerscreen.cpp" line="686"/>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="639"/>
        <source>There is no category &quot;%1&quot;. Create it as an expense category?</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n’existe pas. La créer comme catégorie de dépenses&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="640"/>
        <source>There is no category &quot;%1&quot;. Create it as an income category?</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n’existe pas. La créer comme catégorie de revenus&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="641"/>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="688"/>
        <source>Cannot transfer to the same account</source>
        <translation>Impossible de faire un virement vers le même compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="690"/>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Un virement exige que les deux comptes soient dans la même devise</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="693"/>
        <source>To move a transfer to another account, delete it and enter it again</source>
        <translation>Pour déplacer un virement vers un autre compte, supprimez-le puis saisissez-le à nouveau</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="696"/>
        <source>The transaction could not be saved</source>
        <translation>L’opération n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="725"/>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="737"/>
        <source>The opening balance belongs to the account: change it in the account&apos;s settings</source>
        <translation>Le solde initial fait partie du compte&#xa0;: modifiez-le dans les paramètres du compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="745"/>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» (%2)&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="746"/>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;» (%2)&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="748"/>
        <source>Delete Transaction</source>
        <translation>Supprimer l’opération</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="758"/>
        <source>The transaction could not be deleted</source>
        <translation>L’opération n’a pas pu être supprimée</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="807"/>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible&#xa0;: la date de l’opération d’origine n’est pas valide</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="829"/>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>&amp;Insérer une opération (Ctrl+I)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="830"/>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Nouvelle opération... (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="836"/>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non p&amp;ointée</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="836"/>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="838"/>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Supprimer (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="156"/>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="310"/>
        <source>Uncategorized</source>
        <translation>Non catégorisé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="166"/>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="241"/>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="304"/>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="305"/>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="328"/>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="329"/>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="81"/>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="83"/>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="85"/>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="87"/>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="89"/>
        <source>Investment</source>
        <translation>Placements</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="90"/>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="109"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="142"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="752"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="146"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="164"/>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="168"/>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="662"/>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="662"/>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="666"/>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="666"/>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="228"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="338"/>
        <source>This Year vs Last Year</source>
        <translation>Cette année vs l’an dernier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="228"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="339"/>
        <source>Last Year vs Year Before</source>
        <translation>L’an dernier vs l’année d’avant</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="229"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="341"/>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre vs le précédent</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="229"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="329"/>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="230"/>
        <source>Compare:</source>
        <translation>Comparer&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="244"/>
        <source>P1:</source>
        <translation>P1&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="247"/>
        <source>P2:</source>
        <translation>P2&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="253"/>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="254"/>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="255"/>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="256"/>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="257"/>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="258"/>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="259"/>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="260"/>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="319"/>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="320"/>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="321"/>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="322"/>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="323"/>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="324"/>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="325"/>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="326"/>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="327"/>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="328"/>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="434"/>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="530"/>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1&#xa0;: %1 – %2    P2&#xa0;: %3 – %4</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="643"/>
        <source>This report could not be computed: %1</source>
        <translation>Ce rapport n’a pas pu être calculé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="754"/>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="35"/>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="36"/>
        <location filename="../../src/services/sampledataservice.cpp" line="38"/>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="37"/>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="39"/>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="40"/>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Brightpath Inc</source>
        <translation>Brightpath SA</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Biweekly paycheck</source>
        <translation>Paie de la quinzaine</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Pinecrest Apartments</source>
        <translation>Résidence Pinecrest</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Fill up</source>
        <translation>Plein d’essence</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Electric bill</source>
        <translation>Facture d’électricité</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <source>Water bill</source>
        <translation>Facture d’eau</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Monthly streaming</source>
        <translation>Abonnement streaming mensuel</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <source>Dinner out</source>
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Clearview Insurance</source>
        <translation>Clearview Assurances</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Hope Community Church</source>
        <translation>Église de l’Espérance</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="75"/>
        <location filename="../../src/services/sampledataservice.cpp" line="92"/>
        <location filename="../../src/services/sampledataservice.cpp" line="127"/>
        <source>Transfer to Savings</source>
        <translation>Virement vers Épargne</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="75"/>
        <location filename="../../src/services/sampledataservice.cpp" line="92"/>
        <location filename="../../src/services/sampledataservice.cpp" line="95"/>
        <location filename="../../src/services/sampledataservice.cpp" line="97"/>
        <location filename="../../src/services/sampledataservice.cpp" line="127"/>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>Internet service</source>
        <translation>Abonnement Internet</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Ridgeline Pharmacy</source>
        <translation>Pharmacie Ridgeline</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Prescriptions</source>
        <translation>Médicaments sur ordonnance</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <source>Coffee &amp; pastry</source>
        <translation>Café &amp; viennoiserie</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Interest payment</source>
        <translation>Versement d’intérêts</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="95"/>
        <location filename="../../src/services/sampledataservice.cpp" line="97"/>
        <source>Transfer from Checking</source>
        <translation>Virement depuis Compte courant</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <source>Phone case</source>
        <translation>Coque de téléphone</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage cloud</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="103"/>
        <location filename="../../src/services/sampledataservice.cpp" line="107"/>
        <source>Payment - Thank You</source>
        <translation>Paiement - Merci</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="103"/>
        <location filename="../../src/services/sampledataservice.cpp" line="107"/>
        <source>Credit card payment</source>
        <translation>Remboursement carte de crédit</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="30"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="32"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="34"/>
        <source>Chk #</source>
        <translation>N° chq</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="36"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="38"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="40"/>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="42"/>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="44"/>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="46"/>
        <source>Clr</source>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="32"/>
        <source>Date range:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="35"/>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="51"/>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, une note, un n° de chèque...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="71"/>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="75"/>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="81"/>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="152"/>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="156"/>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="192"/>
        <source>Search syntax error: %1</source>
        <translation>Erreur de syntaxe dans la recherche&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="199"/>
        <source>%1 newest of %2</source>
        <translation>%1 plus récentes sur %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/searchscreen.cpp" line="200"/>
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n opération</numerusform>
            <numerusform>%n opérations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="377"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="210"/>
        <source>System Default</source>
        <translation>Valeur du système</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="191"/>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="192"/>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="195"/>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="199"/>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="200"/>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="201"/>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="218"/>
        <source>Week starts on</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="219"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="221"/>
        <source>Check for updates at start-up</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="226"/>
        <source>When off, nothing is fetched at start; Help › Check for Updates still works.</source>
        <translation>Si l’option est désactivée, rien n’est téléchargé au démarrage&#xa0;; Aide › Rechercher des mises à jour reste disponible.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="234"/>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="234"/>
        <source>Control how Corvantis Zimbrel looks.</source>
        <translation>Choisissez l’apparence de Corvantis Zimbrel.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="235"/>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="235"/>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="236"/>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="236"/>
        <source>Look for newer versions of Corvantis Zimbrel.</source>
        <translation>Rechercher les nouvelles versions de Corvantis Zimbrel.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="242"/>
        <source>Two-line rows</source>
        <translation>Affichage sur deux lignes</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="247"/>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher la note sur une deuxième ligne, sous le bénéficiaire.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="249"/>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="254"/>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si l’option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="259"/>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="259"/>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="260"/>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="260"/>
        <source>Control the order of transactions in the register.</source>
        <translation>Ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="270"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="484"/>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="272"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="280"/>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="281"/>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront de nouveau envoyées au serveur et toutes les données du serveur téléchargées à nouveau. Utilisez cette option si les données ne concordent pas entre vos appareils.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="299"/>
        <source>Built-in service</source>
        <translation>Service intégré</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="303"/>
        <source>The address of a self-hosted service, such as https://cloud.example.org. Leave it empty for the built-in service.</source>
        <translation>L’adresse d’un service auto-hébergé, par exemple https://cloud.example.org. Laissez vide pour utiliser le service intégré.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="310"/>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="316"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="569"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="579"/>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="318"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="584"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="604"/>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="330"/>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="344"/>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="344"/>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Vous pouvez restaurer ici les comptes que vous avez supprimés.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="346"/>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="346"/>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>Synchronisez votre chéquier sur tous vos appareils.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="347"/>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="347"/>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez vos données dans un fichier de sauvegarde portable, ou restaurez-les à partir de celui-ci.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="355"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="361"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="362"/>
        <source>A digital checkbook register for tracking household finances. Keep your accounts, reconcile them against your statements and see where the money goes.</source>
        <translation>Un registre de chéquier numérique pour suivre les finances du foyer. Tenez vos comptes, rapprochez-les de vos relevés et voyez où va votre argent.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="368"/>
        <source>Copyright © Corvantis. All rights reserved.</source>
        <translation>Copyright © Corvantis. Tous droits réservés.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="369"/>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Cette application utilise le framework Qt sous licence LGPL v3.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="447"/>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="450"/>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Non connecté.
Connectez-vous avec Fichier › Se connecter pour activer la synchronisation.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="454"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="480"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="496"/>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="462"/>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="466"/>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="470"/>
        <source>
Error: %1</source>
        <translation>
Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="527"/>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="528"/>
        <source>The new language will take effect the next time you start Corvantis Zimbrel.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de Corvantis Zimbrel.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="560"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="599"/>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="569"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="584"/>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="573"/>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="575"/>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="575"/>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="577"/>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="577"/>
        <source>Could not write to:
%1</source>
        <translation>Impossible d’écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="587"/>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="587"/>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conserver les plus récentes (comparer les horodatages)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="588"/>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="591"/>
        <source>Import Mode</source>
        <translation>Mode d’importation</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="591"/>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="599"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="607"/>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="602"/>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="610"/>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="612"/>
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur est survenue.</numerusform>
            <numerusform>

%n erreurs sont survenues.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="613"/>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="625"/>
        <source>The environment overrides this setting (%1): signing in goes to %2.</source>
        <translation>L’environnement remplace ce paramètre (%1)&#xa0;: la connexion se fait auprès de %2.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="645"/>
        <source>Not a server address: enter one such as https://cloud.example.org, or nothing for the built-in service.</source>
        <translation>Adresse de serveur non valide&#xa0;: saisissez une adresse comme https://cloud.example.org, ou rien pour le service intégré.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="658"/>
        <source>Change Server</source>
        <translation>Changer de serveur</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="659"/>
        <source>You are signed in to %1.

Changing the server signs you out there. Change it?</source>
        <translation>Vous êtes connecté à %1.

Changer de serveur vous déconnectera de celui-ci. Changer quand même&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="674"/>
        <source>The server could not be saved in the data file; the setting is unchanged.</source>
        <translation>Le serveur n’a pas pu être enregistré dans le fichier de données&#xa0;; le paramètre est inchangé.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="684"/>
        <source>Now using %1.</source>
        <translation>Serveur utilisé&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="684"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="687"/>
        <source>the built-in service</source>
        <translation>le service intégré</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="686"/>
        <source>Now using %1. Sign in via File › Sign In.</source>
        <translation>Serveur utilisé&#xa0;: %1. Connectez-vous avec Fichier › Se connecter.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="700"/>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="700"/>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>Le compte n’a pas pu être restauré. Rien n’a été modifié.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <location filename="../../src/app/statusbar.cpp" line="15"/>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/statusbar.cpp" line="42"/>
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/statusbar.cpp" line="51"/>
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="132"/>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="134"/>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="136"/>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="138"/>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="140"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="207"/>
        <source>Sync stopped: the local database failed: %1</source>
        <translation>Synchronisation arrêtée&#xa0;: défaillance de la base de données locale&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="310"/>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l’envoi (HTTP %1)</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="399"/>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="451"/>
        <source>Pull page refused: %1 records, more than %2</source>
        <translation>Page refusée lors de la réception&#xa0;: %1 enregistrements, au-delà de %2</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="498"/>
        <source>the sync position could not be stored</source>
        <translation>la position de synchronisation n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="506"/>
        <source>the sync time could not be stored</source>
        <translation>l’heure de synchronisation n’a pas pu être enregistrée</translation>
    </message>
</context>
<context>
    <name>TaxCategory</name>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="12"/>
        <source>Charitable contributions</source>
        <translation>Dons aux œuvres</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="13"/>
        <source>Medical and dental expenses</source>
        <translation>Frais médicaux et dentaires</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="14"/>
        <source>Business expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="15"/>
        <source>Home office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="16"/>
        <source>Education expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="17"/>
        <source>State and local taxes</source>
        <translation>Impôts d’État et locaux</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="18"/>
        <source>Mortgage interest</source>
        <translation>Intérêts d’emprunt immobilier</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="19"/>
        <source>Property tax (Schedule A)</source>
        <translation>Taxe foncière (Schedule A)</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="20"/>
        <source>Interest income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="21"/>
        <source>Dividend income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="22"/>
        <source>Rental income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="23"/>
        <source>Self-employment income</source>
        <translation>Revenus d’activité indépendante</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="41"/>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="46"/>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="48"/>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="66"/>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="92"/>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="95"/>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="96"/>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="101"/>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="102"/>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="103"/>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="104"/>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="105"/>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="106"/>
        <source>Memo:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="107"/>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="127"/>
        <source>Edit Transaction</source>
        <translation>Modifier l’opération</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="211"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>TransactionListModel</name>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="63"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="65"/>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="67"/>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="69"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="71"/>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="73"/>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="13"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="20"/>
        <source>Your finances, everywhere.</source>
        <translation>Vos finances, partout.</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="27"/>
        <source>Continue Without an Account</source>
        <translation>Continuer sans compte</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="62"/>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="62"/>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Connectez-vous</translation>
    </message>
</context>
</TS>
