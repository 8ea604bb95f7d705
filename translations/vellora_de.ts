<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calculators</name>
    <message>
        <source>Body Frame Size</source>
        <translation>Körperbau</translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation>Body-Mass-Index</translation>
    </message>
    <message>
        <source>Ideal Body Weight Calculator</source>
        <translation>Idealgewicht-Rechner</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Ideales Taille-Hüft-Verhältnis</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Four personal-health calculators in one window: Body Mass Index, Ideal
Body Weight, Body Frame Size and Ideal Waist Hip Ratio.

Qt&apos;s own options, such as -platform, -style and -display, are taken too.</source>
        <translation>Vier Gesundheitsrechner in einem Fenster: Body-Mass-Index, Idealgewicht,
Körperbau und ideales Taille-Hüft-Verhältnis.

Auch Qts eigene Optionen wie -platform, -style und -display werden akzeptiert.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Weitere Informationen erhalten Sie mit &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie dieses Programm komplett im Design Ihrer Website. Klicken Sie hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.%1Click Here for more info on co-branding.</source>
        <translation>Versehen Sie dieses Programm mit der Marke Ihrer Website. Steigern Sie die Treue und die Besucherzahlen Ihrer Website. Setzen Sie hier den Namen und den Link Ihrer Website ein. Einzelheiten finden Sie unter &quot;Hilfe&quot;.%1Klicken Sie hier für weitere Informationen zum Co-Branding.</translation>
    </message>
    <message>
        <source>Talk health and fitness with others on the Orvantix discussion board at %1</source>
        <translation>Sprechen Sie mit anderen über Gesundheit und Fitness im Diskussionsforum von Orvantix unter %1</translation>
    </message>
    <message>
        <source>Join the Orvantix discussion board for health and fitness. Click here to visit %1</source>
        <translation>Treten Sie dem Orvantix-Diskussionsforum für Gesundheit und Fitness bei. Klicken Sie hier, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Ask your health questions in the Orvantix online forum: visit %1</source>
        <translation>Stellen Sie Ihre Gesundheitsfragen im Online-Forum von Orvantix: Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>ReferAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung wird bereits ausgeführt</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für dieses Programm verfügbar.
Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorInputWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorResultWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorWindow</name>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>vellora::NumberBox</name>
    <message>
        <source>You can enter only number</source>
        <translation>Sie können nur Zahlen eingeben</translation>
    </message>
</context>
<context>
    <name>vellora::SharedMenuBar</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>vellora::frmAbout</name>
    <message>
        <source>Vellora consists of Body Mass Index, Ideal Body Weight Calculator, Body Frame Size &amp; Ideal Waist-Hip Ratio calculators. These tools are indicative of standards that need to be maintained for a healthy loving.</source>
        <translation>Vellora umfasst die Rechner Body-Mass-Index, Idealgewicht, Körperbau und ideales Taille-Hüft-Verhältnis. Diese Werkzeuge zeigen Richtwerte, die für ein gesundes Leben eingehalten werden sollten.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie dieses Programm komplett im Design Ihrer Website. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klicken Sie hier, um %1 zu besuchen</translation>
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
        <translation>Sie haben einen zierlichen Körperbau</translation>
    </message>
    <message>
        <source>You have a Medium Frame</source>
        <translation>Sie haben einen mittleren Körperbau</translation>
    </message>
    <message>
        <source>You have a Large Frame</source>
        <translation>Sie haben einen kräftigen Körperbau</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches</source>
        <translation>Bitte geben Sie die Ellenbogenbreite in Zoll ein</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches as a number, such as 2.75</source>
        <translation>Bitte geben Sie die Ellenbogenbreite in Zoll als Zahl mit Dezimalpunkt ein, z. B. 2.75</translation>
    </message>
    <message>
        <source>The size of elbow cannot be less than 0</source>
        <translation>Die Ellenbogenbreite kann nicht kleiner als 0 sein</translation>
    </message>
    <message>
        <source>The size of elbow is too large to be read as a number</source>
        <translation>Die Ellenbogenbreite ist zu groß, um als Zahl verarbeitet zu werden</translation>
    </message>
    <message>
        <source>QV Body Frame Size</source>
        <translation>QV Körperbau</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. Know your body frame size to get a better idea about your health.</source>
        <translation>Der Körperbau ist einer der Faktoren, die bei der Berechnung des Idealgewichts einer Person berücksichtigt werden. Wenn Sie Ihren Körperbau kennen, können Sie Ihre Gesundheit besser einschätzen.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Geschlecht angeben</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Körpergröße eingeben</translation>
    </message>
    <message>
        <source>Height band</source>
        <translation>Größenbereich</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>1. Bend your forearm at 90 degrees so that it is parallel to your body.</source>
        <translation>1. Winkeln Sie Ihren Unterarm im 90-Grad-Winkel an, sodass er parallel zu Ihrem Körper ist.</translation>
    </message>
    <message>
        <source>2. Keep your palm turned up and fingers straight.</source>
        <translation>2. Halten Sie die Handfläche nach oben gedreht und die Finger gestreckt.</translation>
    </message>
    <message>
        <source>3. With your other hand place your thumb and index finger on the two most prominent      bones of your elbow (on either side).</source>
        <translation>3. Legen Sie mit der anderen Hand Daumen und Zeigefinger auf die beiden am stärksten hervortretenden Knochen Ihres Ellenbogens (je einen auf jeder Seite).</translation>
    </message>
    <message>
        <source>4. Measure this distance with a measuring tape.</source>
        <translation>4. Messen Sie diesen Abstand mit einem Maßband.</translation>
    </message>
    <message>
        <source>5. Enter this value below.</source>
        <translation>5. Geben Sie diesen Wert unten ein.</translation>
    </message>
    <message>
        <source>Enter Elbow Measurement</source>
        <translation>Ellenbogenbreite eingeben</translation>
    </message>
    <message>
        <source>Elbow breadth in inches</source>
        <translation>Ellenbogenbreite in Zoll</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Get My Body Frame Size</source>
        <translation>&amp;Körperbau ermitteln</translation>
    </message>
    <message>
        <source>Body Frame Size</source>
        <translation>Körperbau</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. The result will help you know what your body frame size and accordingly help you decide whether you need to lose weight or vice versa.</source>
        <translation>Der Körperbau ist einer der Faktoren, die bei der Berechnung des Idealgewichts einer Person berücksichtigt werden. Das Ergebnis zeigt Ihnen Ihren Körperbau und hilft Ihnen so bei der Entscheidung, ob Sie abnehmen oder eher zunehmen sollten.</translation>
    </message>
    <message>
        <source>P.S Kindly consult your physician before starting any form of exercise or medications.</source>
        <translation>PS: Bitte sprechen Sie mit Ihrem Arzt, bevor Sie mit irgendeiner Form von Training beginnen oder Medikamente einnehmen.</translation>
    </message>
    <message>
        <source>Body Frame Size:</source>
        <translation>Körperbau:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexDisplay</name>
    <message>
        <source>Your Height Is</source>
        <translation>Ihre Körpergröße beträgt</translation>
    </message>
    <message>
        <source>Your Weight Is</source>
        <translation>Ihr Gewicht beträgt</translation>
    </message>
    <message>
        <source>Your Body Mass Index Is</source>
        <translation>Ihr Body-Mass-Index beträgt</translation>
    </message>
    <message>
        <source>You are Underweight</source>
        <translation>Sie haben Untergewicht</translation>
    </message>
    <message>
        <source>You weight is Normal</source>
        <translation>Sie haben Normalgewicht</translation>
    </message>
    <message>
        <source>You are Overweight</source>
        <translation>Sie haben Übergewicht</translation>
    </message>
    <message>
        <source>You are Obese</source>
        <translation>Sie haben Adipositas</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Body-Mass-Index</translation>
    </message>
    <message>
        <source>QV Free Body Mass Index Result</source>
        <translation>QV Body-Mass-Index – Ihr kostenloses Ergebnis</translation>
    </message>
    <message>
        <source>Body Mass Index is a great way to know your body fatness. Knowing your BMI will give you an opportunity to protect your health and prevent serious illnesses by taking caution.</source>
        <translation>Der Body-Mass-Index ist eine gute Möglichkeit, Ihren Körperfettanteil einzuschätzen. Wenn Sie Ihren BMI kennen, können Sie Ihre Gesundheit schützen und mit der nötigen Vorsicht ernsten Erkrankungen vorbeugen.</translation>
    </message>
    <message>
        <source>%1 Inches</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>%1 Meters</source>
        <translation>%1 Meter</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <translation>%1 Pfund</translation>
    </message>
    <message>
        <source>%1 Kilograms</source>
        <translation>%1 Kilogramm</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexMain</name>
    <message>
        <source>Select Category To Measure Weight</source>
        <translation>Einheit für das Gewicht auswählen</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Gewicht eingeben</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>In Kilogram</source>
        <translation>In Kilogramm</translation>
    </message>
    <message>
        <source>Weight in kilograms, whole part</source>
        <translation>Gewicht in Kilogramm, ganze Zahl</translation>
    </message>
    <message>
        <source>Weight in kilograms, tenths</source>
        <translation>Gewicht in Kilogramm, Zehntel</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>In Pound</source>
        <translation>In Pfund</translation>
    </message>
    <message>
        <source>Weight in pounds, whole part</source>
        <translation>Gewicht in Pfund, ganze Zahl</translation>
    </message>
    <message>
        <source>Weight in pounds, tenths</source>
        <translation>Gewicht in Pfund, Zehntel</translation>
    </message>
    <message>
        <source>Select Category To Measure Height</source>
        <translation>Einheit für die Körpergröße auswählen</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Körpergröße eingeben</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>In Meter</source>
        <translation>In Metern</translation>
    </message>
    <message>
        <source>Height in meters, whole part</source>
        <translation>Körpergröße in Metern, ganze Zahl</translation>
    </message>
    <message>
        <source>Height in meters, tenths</source>
        <translation>Körpergröße in Metern, Zehntel</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>In Inches</source>
        <translation>In Zoll</translation>
    </message>
    <message>
        <source>Height in inches, whole part</source>
        <translation>Körpergröße in Zoll, ganze Zahl</translation>
    </message>
    <message>
        <source>Height in inches, tenths</source>
        <translation>Körpergröße in Zoll, Zehntel</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Body-Mass-Index</translation>
    </message>
    <message>
        <source>QV Body Mass Index calculates your Body Mass Index or BMI. BMI is a measure of obesity and this software can be used to control weight problems in adults. This software gives best results for adults over 20 years of age.</source>
        <translation>QV Body-Mass-Index berechnet Ihren Body-Mass-Index (BMI). Der BMI ist ein Maß für Adipositas, und mit diesem Programm lassen sich Gewichtsprobleme bei Erwachsenen im Blick behalten. Die besten Ergebnisse liefert es für Erwachsene über 20 Jahre.</translation>
    </message>
    <message>
        <source>Enter the details and know your BMI</source>
        <translation>Geben Sie Ihre Daten ein und erfahren Sie Ihren BMI</translation>
    </message>
    <message>
        <source>Calculate My &amp;BMI</source>
        <translation>Meinen &amp;BMI berechnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plese Select Both Your Height And Weight</source>
        <translation>Bitte wählen Sie Ihre Körpergröße und Ihr Gewicht aus</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Height</source>
        <translation>Bitte geben Sie Ihre korrekte Körpergröße ein</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorDisplay</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Idealgewicht-Rechner</translation>
    </message>
    <message>
        <source>Your Ideal Body Weight Should Be Between</source>
        <translation>Ihr Idealgewicht sollte in diesem Bereich liegen</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Body Weight Calculator</source>
        <translation>Danke, dass Sie den QV Idealgewicht-Rechner verwenden</translation>
    </message>
    <message>
        <source>Knowing the Ideal Body Weight for your Height helps prevent many diseases like hypertension, diabetes and stress related illnesses</source>
        <translation>Wenn Sie das Idealgewicht für Ihre Körpergröße kennen, können Sie vielen Krankheiten wie Bluthochdruck, Diabetes und stressbedingten Erkrankungen vorbeugen</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet</source>
        <translation>Dieses Programm ist keine endgültige Antwort auf Ihre Probleme und dient nur zur Orientierung. Bitte sprechen Sie mit Ihrem Arzt, bevor Sie Ihre Ernährung umstellen</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorMain</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Idealgewicht-Rechner</translation>
    </message>
    <message>
        <source>Get My &amp;Ideal Body Weight</source>
        <translation>Mein &amp;Idealgewicht ermitteln</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Body Weight Calculator. Knowing the ideal weight helps you decide whether you should go on a diet or not.</source>
        <translation>Willkommen beim QV Idealgewicht-Rechner. Wenn Sie Ihr Idealgewicht kennen, können Sie besser entscheiden, ob Sie eine Diät machen sollten oder nicht.</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Körpergröße eingeben</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Height in feet and inches</source>
        <translation>Körpergröße in Fuß und Zoll</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Kilograms</source>
        <translation>Mein Idealgewicht in Kilogramm ermitteln</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Pounds</source>
        <translation>Mein Idealgewicht in Pfund ermitteln</translation>
    </message>
    <message>
        <source>%1 Kgs To %2 Kgs</source>
        <translation>%1 bis %2 kg</translation>
    </message>
    <message>
        <source>%1 Pounds To %2 Pounds</source>
        <translation>%1 bis %2 Pfund</translation>
    </message>
    <message numerus="yes">
        <source>%1 Feet %n Inches</source>
        <translation>
            <numerusform>%1 Fuß %n Zoll</numerusform>
            <numerusform>%1 Fuß %n Zoll</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealWaistHipRatioMain</name>
    <message>
        <source>You are in Very Low Risk Zone</source>
        <translation>Sie befinden sich im Bereich mit sehr geringem Risiko</translation>
    </message>
    <message>
        <source>You are in Low Risk Zone</source>
        <translation>Sie befinden sich im Bereich mit geringem Risiko</translation>
    </message>
    <message>
        <source>You are in Moderate Risk Zone</source>
        <translation>Sie befinden sich im Bereich mit mäßigem Risiko</translation>
    </message>
    <message>
        <source>You are in High Risk Zone</source>
        <translation>Sie befinden sich im Bereich mit hohem Risiko</translation>
    </message>
    <message>
        <source>You are in Very High Risk Zone</source>
        <translation>Sie befinden sich im Bereich mit sehr hohem Risiko</translation>
    </message>
    <message>
        <source>QV Ideal Waist Hip Ratio</source>
        <translation>QV Ideales Taille-Hüft-Verhältnis</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Ideales Taille-Hüft-Verhältnis</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the ratio of the waist and hip circumference helps one understand what his / her risk of getting a coronary disease is like.</source>
        <translation>Willkommen beim Rechner QV Ideales Taille-Hüft-Verhältnis (WHR). Wenn Sie das Verhältnis von Taillen- zu Hüftumfang kennen, können Sie besser einschätzen, wie hoch Ihr Risiko für eine koronare Herzkrankheit ist.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Geschlecht angeben</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Enter Waist Measurement (in cms):</source>
        <translation>Taillenumfang eingeben (in cm):</translation>
    </message>
    <message>
        <source>(Measure Your Waist Circumference At The Narrowest Part)</source>
        <translation>(Messen Sie Ihren Taillenumfang an der schmalsten Stelle)</translation>
    </message>
    <message>
        <source>Waist in centimetres</source>
        <translation>Taillenumfang in Zentimetern</translation>
    </message>
    <message>
        <source>Enter Hip Measurement (in cms):</source>
        <translation>Hüftumfang eingeben (in cm):</translation>
    </message>
    <message>
        <source>(Measure Your Hip Circumference At The widest Part)</source>
        <translation>(Messen Sie Ihren Hüftumfang an der breitesten Stelle)</translation>
    </message>
    <message>
        <source>Hip in centimetres</source>
        <translation>Hüftumfang in Zentimetern</translation>
    </message>
    <message>
        <source>&amp;Calculate My Ideal Waist Hip Ratio</source>
        <translation>&amp;Taille-Hüft-Verhältnis berechnen</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator.</source>
        <translation>Danke, dass Sie den Rechner QV Ideales Taille-Hüft-Verhältnis (WHR) verwenden.</translation>
    </message>
    <message>
        <source>WHR</source>
        <translation>WHR</translation>
    </message>
    <message>
        <source>The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are your chances of suffering from a coronary disease is like.</source>
        <translation>Das ideale Taille-Hüft-Verhältnis (WHR) ist eine Möglichkeit, Ihr Risiko für eine koronare Herzkrankheit einzuschätzen.</translation>
    </message>
    <message>
        <source>Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat is stored around your hips thus making you obese and more prone to heart diseases.</source>
        <translation>Wenn Sie Ihr ideales Taille-Hüft-Verhältnis (WHR) kennen, erfahren Sie, ob sich um Ihre Hüften überschüssiges Fett angesammelt hat, das zu Adipositas führt und Sie anfälliger für Herzkrankheiten macht.</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet.</source>
        <translation>Dieses Programm ist keine endgültige Antwort auf Ihre Probleme und dient nur zur Orientierung. Bitte sprechen Sie mit Ihrem Arzt, bevor Sie Ihre Ernährung umstellen.</translation>
    </message>
    <message>
        <source>Please enter size of your waist</source>
        <translation>Bitte geben Sie Ihren Taillenumfang ein</translation>
    </message>
    <message>
        <source>Please enter size of your hip</source>
        <translation>Bitte geben Sie Ihren Hüftumfang ein</translation>
    </message>
    <message>
        <source>Please enter size of your waist as a number of cms, such as 85</source>
        <translation>Bitte geben Sie Ihren Taillenumfang als Zahl in cm ein, z. B. 85</translation>
    </message>
    <message>
        <source>Please enter size of your hip as a number of cms, such as 100</source>
        <translation>Bitte geben Sie Ihren Hüftumfang als Zahl in cm ein, z. B. 100</translation>
    </message>
    <message>
        <source>The size of your waist cannot be less than 0</source>
        <translation>Ihr Taillenumfang kann nicht kleiner als 0 sein</translation>
    </message>
    <message>
        <source>The size of your hip cannot be less than 0</source>
        <translation>Ihr Hüftumfang kann nicht kleiner als 0 sein</translation>
    </message>
    <message>
        <source>The size of your waist cannot be more than 32767 cms</source>
        <translation>Ihr Taillenumfang kann nicht größer als 32767 cm sein</translation>
    </message>
    <message>
        <source>The size of your hip cannot be more than 32767 cms</source>
        <translation>Ihr Hüftumfang kann nicht größer als 32767 cm sein</translation>
    </message>
    <message>
        <source>The size of your hip must be more than 0</source>
        <translation>Ihr Hüftumfang muss größer als 0 sein</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>vellora::frmMDI</name>
    <message>
        <source>Welcome to Vellora</source>
        <translation>Willkommen bei Vellora</translation>
    </message>
    <message>
        <source>Welcome to the second edition of the Vellora! Learn more about your health related problems and take action before it&apos;s too late. Use these softwares as a guideline for better living!</source>
        <translation>Willkommen zur zweiten Ausgabe von Vellora! Erfahren Sie mehr über Ihre gesundheitlichen Probleme und handeln Sie, bevor es zu spät ist. Nutzen Sie diese Programme als Leitfaden für ein besseres Leben!</translation>
    </message>
    <message>
        <source>Vellora includes the following programs</source>
        <translation>Vellora enthält die folgenden Programme</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>vellora::frmNagScreen2</name>
    <message>
        <source>Thank you for using Vellora! Please support Orvantix by visiting our online forum regularly and taking part in its discussions.</source>
        <translation>Danke, dass Sie Vellora verwenden! Bitte unterstützen Sie Orvantix, indem Sie regelmäßig unser Online-Forum besuchen und sich an den Diskussionen beteiligen.</translation>
    </message>
    <message>
        <source>Did Vellora help you? Orvantix keeps making free software with your support: drop in at our online forum often and join the discussions.</source>
        <translation>Hat Ihnen Vellora geholfen? Mit Ihrer Unterstützung entwickelt Orvantix weiterhin kostenlose Software: Schauen Sie oft in unserem Online-Forum vorbei und diskutieren Sie mit.</translation>
    </message>
    <message>
        <source>Vellora comes to you from Orvantix. Show your support by visiting the Orvantix forum regularly and sharing your views in its discussions.</source>
        <translation>Vellora kommt von Orvantix. Zeigen Sie Ihre Unterstützung, indem Sie regelmäßig das Orvantix-Forum besuchen und dort in den Diskussionen Ihre Meinung sagen.</translation>
    </message>
    <message>
        <source>Thanks for choosing Vellora. The best way to support Orvantix is to visit our online forum regularly and take part in the discussions there.</source>
        <translation>Danke, dass Sie sich für Vellora entschieden haben. Am besten unterstützen Sie Orvantix, indem Sie regelmäßig unser Online-Forum besuchen und sich dort an den Diskussionen beteiligen.</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvantix forum at %1</source>
        <translation>Ja, bringen Sie mich zum Orvantix-Forum unter %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Download Orvantix Softwares</source>
        <translation>Orvantix-Software herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvantix Softwares</source>
        <translation>Klicken Sie hier, um die Programme von Orvantix anzusehen</translation>
    </message>
    <message>
        <source>Orvantix makes many more free programs for your health, your home and your work. Try them today, and share the ones you like with your friends and family.</source>
        <translation>Orvantix entwickelt viele weitere kostenlose Programme für Ihre Gesundheit, Ihr Zuhause und Ihre Arbeit. Probieren Sie sie noch heute aus und empfehlen Sie die, die Ihnen gefallen, Ihren Freunden und Ihrer Familie weiter.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>The refer-a-friend page could not be opened in your web browser</source>
        <translation>Die Seite zum Weiterempfehlen konnte nicht in Ihrem Webbrowser geöffnet werden</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
</TS>
