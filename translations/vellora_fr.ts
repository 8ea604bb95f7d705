<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Calculators</name>
    <message>
        <source>Body Frame Size</source>
        <translation>Taille de l’ossature</translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation>Indice de masse corporelle</translation>
    </message>
    <message>
        <source>Ideal Body Weight Calculator</source>
        <translation>Calculateur de poids idéal</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Rapport taille/hanches idéal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Four personal-health calculators in one window: Body Mass Index, Ideal
Body Weight, Body Frame Size and Ideal Waist Hip Ratio.

Qt&apos;s own options, such as -platform, -style and -display, are taken too.</source>
        <translation>Quatre calculateurs de santé personnelle dans une seule fenêtre&#xa0;:
indice de masse corporelle, poids idéal, taille de l’ossature et
rapport taille/hanches idéal.

Les options propres à Qt, telles que -platform, -style et -display,
sont également acceptées.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Créez votre activité à domicile. Lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement personnalisé aux couleurs de votre site web. Cliquez ici pour plus de détails.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.%1Click Here for more info on co-branding.</source>
        <translation>Personnalisez ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et augmentez la fréquentation de votre site. Placez ici le nom de votre site &amp;&amp; son lien. Consultez «&#xa0;Aide&#xa0;» pour plus de détails.%1Cliquez ici pour en savoir plus sur la personnalisation.</translation>
    </message>
    <message>
        <source>Talk health and fitness with others on the Orvantix discussion board at %1</source>
        <translation>Parlez santé et forme avec d’autres personnes sur le forum de discussion Orvantix, à l’adresse %1</translation>
    </message>
    <message>
        <source>Join the Orvantix discussion board for health and fitness. Click here to visit %1</source>
        <translation>Rejoignez le forum de discussion Orvantix consacré à la santé et à la forme. Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Ask your health questions in the Orvantix online forum: visit %1</source>
        <translation>Posez vos questions de santé sur le forum en ligne Orvantix&#xa0;: rendez-vous sur %1</translation>
    </message>
</context>
<context>
    <name>ReferAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorInputWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorResultWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorWindow</name>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
</context>
<context>
    <name>vellora::NumberBox</name>
    <message>
        <source>You can enter only number</source>
        <translation>Vous ne pouvez saisir que des nombres</translation>
    </message>
</context>
<context>
    <name>vellora::SharedMenuBar</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>vellora::frmAbout</name>
    <message>
        <source>Vellora consists of Body Mass Index, Ideal Body Weight Calculator, Body Frame Size &amp; Ideal Waist-Hip Ratio calculators. These tools are indicative of standards that need to be maintained for a healthy loving.</source>
        <translation>Vellora comprend les calculateurs Indice de masse corporelle, Poids idéal, Taille de l’ossature et Rapport taille/hanches idéal. Ces outils indiquent les normes à respecter pour vivre en bonne santé.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Créez votre activité à domicile. Lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement personnalisé aux couleurs de votre site web. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour plus de détails.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyFrameSizeMain</name>
    <message>
        <source>You have a Small Frame</source>
        <translation>Vous avez une petite ossature</translation>
    </message>
    <message>
        <source>You have a Medium Frame</source>
        <translation>Vous avez une ossature moyenne</translation>
    </message>
    <message>
        <source>You have a Large Frame</source>
        <translation>Vous avez une grande ossature</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches</source>
        <translation>Veuillez saisir la largeur du coude en pouces</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches as a number, such as 2.75</source>
        <translation>Veuillez saisir la largeur du coude en pouces sous forme de nombre, par exemple 2.75</translation>
    </message>
    <message>
        <source>The size of elbow cannot be less than 0</source>
        <translation>La largeur du coude ne peut pas être inférieure à 0</translation>
    </message>
    <message>
        <source>The size of elbow is too large to be read as a number</source>
        <translation>La largeur du coude saisie est trop grande pour être lue comme un nombre</translation>
    </message>
    <message>
        <source>QV Body Frame Size</source>
        <translation>QV Taille de l’ossature</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. Know your body frame size to get a better idea about your health.</source>
        <translation>La taille de l’ossature est l’un des facteurs pris en compte pour calculer le poids idéal d’une personne. Connaître la taille de votre ossature vous donne une meilleure idée de votre santé.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Indiquez votre sexe</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Saisissez la taille</translation>
    </message>
    <message>
        <source>Height band</source>
        <translation>Tranche de taille</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions&#xa0;:</translation>
    </message>
    <message>
        <source>1. Bend your forearm at 90 degrees so that it is parallel to your body.</source>
        <translation>1. Pliez l’avant-bras à 90 degrés de façon qu’il soit parallèle à votre corps.</translation>
    </message>
    <message>
        <source>2. Keep your palm turned up and fingers straight.</source>
        <translation>2. Gardez la paume tournée vers le haut et les doigts tendus.</translation>
    </message>
    <message>
        <source>3. With your other hand place your thumb and index finger on the two most prominent      bones of your elbow (on either side).</source>
        <translation>3. Avec l’autre main, placez le pouce et l’index sur les deux os les plus saillants de votre coude (de part et d’autre).</translation>
    </message>
    <message>
        <source>4. Measure this distance with a measuring tape.</source>
        <translation>4. Mesurez cette distance avec un mètre ruban.</translation>
    </message>
    <message>
        <source>5. Enter this value below.</source>
        <translation>5. Saisissez cette valeur ci-dessous.</translation>
    </message>
    <message>
        <source>Enter Elbow Measurement</source>
        <translation>Saisissez la mesure du coude</translation>
    </message>
    <message>
        <source>Elbow breadth in inches</source>
        <translation>Largeur du coude en pouces</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>&amp;Get My Body Frame Size</source>
        <translation>Déterminer mon &amp;ossature</translation>
    </message>
    <message>
        <source>Body Frame Size</source>
        <translation>Taille de l’ossature</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. The result will help you know what your body frame size and accordingly help you decide whether you need to lose weight or vice versa.</source>
        <translation>La taille de l’ossature est l’un des facteurs pris en compte pour calculer le poids idéal d’une personne. Le résultat vous aidera à connaître la taille de votre ossature et, en conséquence, à décider si vous devez perdre du poids ou au contraire en prendre.</translation>
    </message>
    <message>
        <source>P.S Kindly consult your physician before starting any form of exercise or medications.</source>
        <translation>P.-S.&#xa0;: Veuillez consulter votre médecin avant de commencer toute forme d’exercice physique ou de traitement médicamenteux.</translation>
    </message>
    <message>
        <source>Body Frame Size:</source>
        <translation>Taille de l’ossature&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexDisplay</name>
    <message>
        <source>Your Height Is</source>
        <translation>Votre taille est de</translation>
    </message>
    <message>
        <source>Your Weight Is</source>
        <translation>Votre poids est de</translation>
    </message>
    <message>
        <source>Your Body Mass Index Is</source>
        <translation>Votre IMC est de</translation>
    </message>
    <message>
        <source>You are Underweight</source>
        <translation>Vous présentez une insuffisance pondérale</translation>
    </message>
    <message>
        <source>You weight is Normal</source>
        <translation>Votre poids est normal</translation>
    </message>
    <message>
        <source>You are Overweight</source>
        <translation>Vous êtes en surpoids</translation>
    </message>
    <message>
        <source>You are Obese</source>
        <translation>Vous êtes en situation d’obésité</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Indice de masse corporelle</translation>
    </message>
    <message>
        <source>QV Free Body Mass Index Result</source>
        <translation>Résultat – QV Indice de masse corporelle gratuit</translation>
    </message>
    <message>
        <source>Body Mass Index is a great way to know your body fatness. Knowing your BMI will give you an opportunity to protect your health and prevent serious illnesses by taking caution.</source>
        <translation>L’indice de masse corporelle est un excellent moyen d’évaluer votre corpulence. Connaître votre IMC vous donne l’occasion de protéger votre santé et de prévenir des maladies graves en prenant vos précautions.</translation>
    </message>
    <message>
        <source>%1 Inches</source>
        <translation>%1&#xa0;pouces</translation>
    </message>
    <message>
        <source>%1 Meters</source>
        <translation>%1&#xa0;mètres</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <translation>%1&#xa0;livres</translation>
    </message>
    <message>
        <source>%1 Kilograms</source>
        <translation>%1&#xa0;kilogrammes</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexMain</name>
    <message>
        <source>Select Category To Measure Weight</source>
        <translation>Choisissez l’unité de mesure du poids</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Saisissez le poids</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>In Kilogram</source>
        <translation>En kilogrammes</translation>
    </message>
    <message>
        <source>Weight in kilograms, whole part</source>
        <translation>Poids en kilogrammes, partie entière</translation>
    </message>
    <message>
        <source>Weight in kilograms, tenths</source>
        <translation>Poids en kilogrammes, dixièmes</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>In Pound</source>
        <translation>En livres</translation>
    </message>
    <message>
        <source>Weight in pounds, whole part</source>
        <translation>Poids en livres, partie entière</translation>
    </message>
    <message>
        <source>Weight in pounds, tenths</source>
        <translation>Poids en livres, dixièmes</translation>
    </message>
    <message>
        <source>Select Category To Measure Height</source>
        <translation>Choisissez l’unité de mesure de la taille</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Saisissez la taille</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>In Meter</source>
        <translation>En mètres</translation>
    </message>
    <message>
        <source>Height in meters, whole part</source>
        <translation>Taille en mètres, partie entière</translation>
    </message>
    <message>
        <source>Height in meters, tenths</source>
        <translation>Taille en mètres, dixièmes</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>In Inches</source>
        <translation>En pouces</translation>
    </message>
    <message>
        <source>Height in inches, whole part</source>
        <translation>Taille en pouces, partie entière</translation>
    </message>
    <message>
        <source>Height in inches, tenths</source>
        <translation>Taille en pouces, dixièmes</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Indice de masse corporelle</translation>
    </message>
    <message>
        <source>QV Body Mass Index calculates your Body Mass Index or BMI. BMI is a measure of obesity and this software can be used to control weight problems in adults. This software gives best results for adults over 20 years of age.</source>
        <translation>QV Indice de masse corporelle calcule votre indice de masse corporelle (IMC). L’IMC est une mesure de l’obésité, et ce logiciel peut aider à maîtriser les problèmes de poids chez l’adulte. Il donne les meilleurs résultats chez les adultes de plus de 20 ans.</translation>
    </message>
    <message>
        <source>Enter the details and know your BMI</source>
        <translation>Saisissez vos données et découvrez votre IMC</translation>
    </message>
    <message>
        <source>Calculate My &amp;BMI</source>
        <translation>Calculer mon &amp;IMC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plese Select Both Your Height And Weight</source>
        <translation>Veuillez sélectionner votre taille et votre poids</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Height</source>
        <translation>Veuillez saisir une taille correcte</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorDisplay</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculateur de poids idéal</translation>
    </message>
    <message>
        <source>Your Ideal Body Weight Should Be Between</source>
        <translation>Votre poids idéal devrait se situer entre</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Body Weight Calculator</source>
        <translation>Merci d’avoir utilisé QV Calculateur de poids idéal</translation>
    </message>
    <message>
        <source>Knowing the Ideal Body Weight for your Height helps prevent many diseases like hypertension, diabetes and stress related illnesses</source>
        <translation>Connaître le poids idéal correspondant à votre taille aide à prévenir de nombreuses maladies comme l’hypertension, le diabète et les maladies liées au stress</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet</source>
        <translation>Ce logiciel n’est pas la réponse définitive à vos problèmes et ne sert que de guide. Veuillez consulter votre médecin avant de modifier votre alimentation</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorMain</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculateur de poids idéal</translation>
    </message>
    <message>
        <source>Get My &amp;Ideal Body Weight</source>
        <translation>Calculer mon &amp;poids idéal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Body Weight Calculator. Knowing the ideal weight helps you decide whether you should go on a diet or not.</source>
        <translation>Bienvenue dans QV Calculateur de poids idéal. Connaître votre poids idéal vous aide à décider si vous devez suivre un régime ou non.</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Saisissez la taille</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Height in feet and inches</source>
        <translation>Taille en pieds et pouces</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Kilograms</source>
        <translation>Obtenir mon poids idéal en kilogrammes</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Pounds</source>
        <translation>Obtenir mon poids idéal en livres</translation>
    </message>
    <message>
        <source>%1 Kgs To %2 Kgs</source>
        <translation>%1&#xa0;kg et %2&#xa0;kg</translation>
    </message>
    <message>
        <source>%1 Pounds To %2 Pounds</source>
        <translation>%1&#xa0;livres et %2&#xa0;livres</translation>
    </message>
    <message numerus="yes">
        <source>%1 Feet %n Inches</source>
        <translation>
            <numerusform>%1&#xa0;pieds %n&#xa0;pouce</numerusform>
            <numerusform>%1&#xa0;pieds %n&#xa0;pouces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealWaistHipRatioMain</name>
    <message>
        <source>You are in Very Low Risk Zone</source>
        <translation>Vous êtes dans la zone de risque très faible</translation>
    </message>
    <message>
        <source>You are in Low Risk Zone</source>
        <translation>Vous êtes dans la zone de risque faible</translation>
    </message>
    <message>
        <source>You are in Moderate Risk Zone</source>
        <translation>Vous êtes dans la zone de risque modéré</translation>
    </message>
    <message>
        <source>You are in High Risk Zone</source>
        <translation>Vous êtes dans la zone de risque élevé</translation>
    </message>
    <message>
        <source>You are in Very High Risk Zone</source>
        <translation>Vous êtes dans la zone de risque très élevé</translation>
    </message>
    <message>
        <source>QV Ideal Waist Hip Ratio</source>
        <translation>QV Rapport taille/hanches idéal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Rapport taille/hanches idéal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the ratio of the waist and hip circumference helps one understand what his / her risk of getting a coronary disease is like.</source>
        <translation>Bienvenue dans le calculateur QV Rapport taille/hanches idéal (RTH). Connaître le rapport entre le tour de taille et le tour de hanches vous aide à comprendre votre risque de développer une maladie coronarienne.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Indiquez votre sexe</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Enter Waist Measurement (in cms):</source>
        <translation>Saisissez votre tour de taille (en cm)&#xa0;:</translation>
    </message>
    <message>
        <source>(Measure Your Waist Circumference At The Narrowest Part)</source>
        <translation>(Mesurez votre tour de taille à l’endroit le plus étroit)</translation>
    </message>
    <message>
        <source>Waist in centimetres</source>
        <translation>Tour de taille en centimètres</translation>
    </message>
    <message>
        <source>Enter Hip Measurement (in cms):</source>
        <translation>Saisissez votre tour de hanches (en cm)&#xa0;:</translation>
    </message>
    <message>
        <source>(Measure Your Hip Circumference At The widest Part)</source>
        <translation>(Mesurez votre tour de hanches à l’endroit le plus large)</translation>
    </message>
    <message>
        <source>Hip in centimetres</source>
        <translation>Tour de hanches en centimètres</translation>
    </message>
    <message>
        <source>&amp;Calculate My Ideal Waist Hip Ratio</source>
        <translation>&amp;Calculer mon rapport taille/hanches</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator.</source>
        <translation>Merci d’avoir utilisé le calculateur QV Rapport taille/hanches idéal (RTH).</translation>
    </message>
    <message>
        <source>WHR</source>
        <translation>RTH</translation>
    </message>
    <message>
        <source>The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are your chances of suffering from a coronary disease is like.</source>
        <translation>Le rapport taille/hanches idéal (RTH) est l’un des moyens d’évaluer votre risque de développer une maladie coronarienne.</translation>
    </message>
    <message>
        <source>Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat is stored around your hips thus making you obese and more prone to heart diseases.</source>
        <translation>Connaître le rapport taille/hanches idéal (RTH) vous aide à savoir si un excès de graisse est stocké autour de vos hanches, ce qui favorise l’obésité et augmente le risque de maladies cardiaques.</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet.</source>
        <translation>Ce logiciel n’est pas la réponse définitive à vos problèmes et ne sert que de guide. Veuillez consulter votre médecin avant de modifier votre alimentation.</translation>
    </message>
    <message>
        <source>Please enter size of your waist</source>
        <translation>Veuillez saisir votre tour de taille</translation>
    </message>
    <message>
        <source>Please enter size of your hip</source>
        <translation>Veuillez saisir votre tour de hanches</translation>
    </message>
    <message>
        <source>Please enter size of your waist as a number of cms, such as 85</source>
        <translation>Veuillez saisir votre tour de taille sous forme d’un nombre de cm, par exemple 85</translation>
    </message>
    <message>
        <source>Please enter size of your hip as a number of cms, such as 100</source>
        <translation>Veuillez saisir votre tour de hanches sous forme d’un nombre de cm, par exemple 100</translation>
    </message>
    <message>
        <source>The size of your waist cannot be less than 0</source>
        <translation>Votre tour de taille ne peut pas être inférieur à 0</translation>
    </message>
    <message>
        <source>The size of your hip cannot be less than 0</source>
        <translation>Votre tour de hanches ne peut pas être inférieur à 0</translation>
    </message>
    <message>
        <source>The size of your waist cannot be more than 32767 cms</source>
        <translation>Votre tour de taille ne peut pas dépasser 32&#xa0;767&#xa0;cm</translation>
    </message>
    <message>
        <source>The size of your hip cannot be more than 32767 cms</source>
        <translation>Votre tour de hanches ne peut pas dépasser 32&#xa0;767&#xa0;cm</translation>
    </message>
    <message>
        <source>The size of your hip must be more than 0</source>
        <translation>Votre tour de hanches doit être supérieur à 0</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>vellora::frmMDI</name>
    <message>
        <source>Welcome to Vellora</source>
        <translation>Bienvenue dans Vellora</translation>
    </message>
    <message>
        <source>Welcome to the second edition of the Vellora! Learn more about your health related problems and take action before it&apos;s too late. Use these softwares as a guideline for better living!</source>
        <translation>Bienvenue dans la deuxième édition de Vellora&#xa0;! Apprenez-en davantage sur vos problèmes de santé et agissez avant qu’il ne soit trop tard. Utilisez ces logiciels comme guide pour mieux vivre&#xa0;!</translation>
    </message>
    <message>
        <source>Vellora includes the following programs</source>
        <translation>Vellora comprend les programmes suivants</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>vellora::frmNagScreen2</name>
    <message>
        <source>Thank you for using Vellora! Please support Orvantix by visiting our online forum regularly and taking part in its discussions.</source>
        <translation>Merci d’utiliser Vellora&#xa0;! Soutenez Orvantix en visitant régulièrement notre forum en ligne et en participant à ses discussions.</translation>
    </message>
    <message>
        <source>Did Vellora help you? Orvantix keeps making free software with your support: drop in at our online forum often and join the discussions.</source>
        <translation>Vellora vous a-t-il été utile&#xa0;? Orvantix continue de créer des logiciels gratuits grâce à votre soutien&#xa0;: passez souvent sur notre forum en ligne et participez aux discussions.</translation>
    </message>
    <message>
        <source>Vellora comes to you from Orvantix. Show your support by visiting the Orvantix forum regularly and sharing your views in its discussions.</source>
        <translation>Vellora vous est proposé par Orvantix. Montrez votre soutien en visitant régulièrement le forum Orvantix et en partageant vos avis dans ses discussions.</translation>
    </message>
    <message>
        <source>Thanks for choosing Vellora. The best way to support Orvantix is to visit our online forum regularly and take part in the discussions there.</source>
        <translation>Merci d’avoir choisi Vellora. La meilleure façon de soutenir Orvantix est de visiter régulièrement notre forum en ligne et de participer à ses discussions.</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvantix forum at %1</source>
        <translation>Oui, ouvrir le forum Orvantix à l’adresse %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Download Orvantix Softwares</source>
        <translation>Télécharger les logiciels Orvantix</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvantix Softwares</source>
        <translation>Cliquez ici pour découvrir les logiciels Orvantix</translation>
    </message>
    <message>
        <source>Orvantix makes many more free programs for your health, your home and your work. Try them today, and share the ones you like with your friends and family.</source>
        <translation>Orvantix propose bien d’autres programmes gratuits pour votre santé, votre maison et votre travail. Essayez-les dès aujourd’hui et partagez ceux qui vous plaisent avec vos amis et votre famille.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>The refer-a-friend page could not be opened in your web browser</source>
        <translation>Impossible d’ouvrir la page «&#xa0;Recommander à un ami&#xa0;» dans votre navigateur web</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
</TS>
