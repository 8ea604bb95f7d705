<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Calculators</name>
    <message>
        <source>Body Frame Size</source>
        <translation>Complexión corporal</translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation>Índice de masa corporal</translation>
    </message>
    <message>
        <source>Ideal Body Weight Calculator</source>
        <translation>Calculadora del peso corporal ideal</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Índice cintura-cadera ideal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Four personal-health calculators in one window: Body Mass Index, Ideal
Body Weight, Body Frame Size and Ideal Waist Hip Ratio.

Qt&apos;s own options, such as -platform, -style and -display, are taken too.</source>
        <translation>Cuatro calculadoras de salud personal en una ventana: índice de masa corporal,
peso corporal ideal, complexión corporal e índice cintura-cadera ideal.

También se aceptan opciones propias de Qt, como -platform, -style y -display.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe &apos;%1 --help&apos; para obtener más información.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para obtener más información.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.%1Click Here for more info on co-branding.</source>
        <translation>Personalice este programa con la marca de su sitio. Aumente la fidelidad y el tráfico de su sitio. Ponga aquí el nombre y el enlace de su sitio. Consulte &quot;Ayuda&quot; para más detalles.%1Haga clic aquí para más información sobre la personalización de marca.</translation>
    </message>
    <message>
        <source>Talk health and fitness with others on the Orvantix discussion board at %1</source>
        <translation>Hable de salud y forma física con otras personas en el foro de debate de Orvantix: %1</translation>
    </message>
    <message>
        <source>Join the Orvantix discussion board for health and fitness. Click here to visit %1</source>
        <translation>Únase al foro de debate de Orvantix sobre salud y forma física. Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Ask your health questions in the Orvantix online forum: visit %1</source>
        <translation>Plantee sus preguntas de salud en el foro en línea de Orvantix: visite %1</translation>
    </message>
</context>
<context>
    <name>ReferAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Su dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Dirección de correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca direcciones de correo electrónico distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca una dirección de correo electrónico válida</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Es posible que haya una actualización disponible para este programa.
¿Desea buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorInputWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorResultWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorWindow</name>
    <message>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
</context>
<context>
    <name>vellora::NumberBox</name>
    <message>
        <source>You can enter only number</source>
        <translation>Solo puede introducir números</translation>
    </message>
</context>
<context>
    <name>vellora::SharedMenuBar</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones del programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en Internet</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>vellora::frmAbout</name>
    <message>
        <source>Vellora consists of Body Mass Index, Ideal Body Weight Calculator, Body Frame Size &amp; Ideal Waist-Hip Ratio calculators. These tools are indicative of standards that need to be maintained for a healthy loving.</source>
        <translation>Vellora reúne cuatro calculadoras: índice de masa corporal, peso corporal ideal, complexión corporal e índice cintura-cadera ideal. Estas herramientas indican los valores de referencia que conviene mantener para llevar una vida sana.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para obtener más información.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyFrameSizeMain</name>
    <message>
        <source>You have a Small Frame</source>
        <translation>Usted tiene una complexión pequeña</translation>
    </message>
    <message>
        <source>You have a Medium Frame</source>
        <translation>Usted tiene una complexión mediana</translation>
    </message>
    <message>
        <source>You have a Large Frame</source>
        <translation>Usted tiene una complexión grande</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches</source>
        <translation>Introduzca la anchura de su codo en pulgadas</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches as a number, such as 2.75</source>
        <translation>Introduzca la anchura de su codo en pulgadas como número, por ejemplo 2.75</translation>
    </message>
    <message>
        <source>The size of elbow cannot be less than 0</source>
        <translation>La anchura del codo no puede ser menor que 0</translation>
    </message>
    <message>
        <source>The size of elbow is too large to be read as a number</source>
        <translation>La anchura del codo es demasiado grande para leerse como número</translation>
    </message>
    <message>
        <source>QV Body Frame Size</source>
        <translation>QV Complexión Corporal</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. Know your body frame size to get a better idea about your health.</source>
        <translation>La complexión corporal es uno de los factores que se tienen en cuenta al calcular el peso corporal ideal de una persona. Conozca su complexión corporal para hacerse una idea más clara de su salud.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Indique su sexo</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Introduzca su estatura</translation>
    </message>
    <message>
        <source>Height band</source>
        <translation>Franja de estatura</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>1. Bend your forearm at 90 degrees so that it is parallel to your body.</source>
        <translation>1. Doble el antebrazo en un ángulo de 90 grados de modo que quede paralelo a su cuerpo.</translation>
    </message>
    <message>
        <source>2. Keep your palm turned up and fingers straight.</source>
        <translation>2. Mantenga la palma de la mano hacia arriba y los dedos estirados.</translation>
    </message>
    <message>
        <source>3. With your other hand place your thumb and index finger on the two most prominent      bones of your elbow (on either side).</source>
        <translation>3. Con la otra mano, coloque el pulgar y el índice sobre los dos huesos más prominentes del codo (uno a cada lado).</translation>
    </message>
    <message>
        <source>4. Measure this distance with a measuring tape.</source>
        <translation>4. Mida esta distancia con una cinta métrica.</translation>
    </message>
    <message>
        <source>5. Enter this value below.</source>
        <translation>5. Introduzca este valor a continuación.</translation>
    </message>
    <message>
        <source>Enter Elbow Measurement</source>
        <translation>Introduzca la medida del codo</translation>
    </message>
    <message>
        <source>Elbow breadth in inches</source>
        <translation>Anchura del codo en pulgadas</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>&amp;Get My Body Frame Size</source>
        <translation>&amp;Calcular mi complexión corporal</translation>
    </message>
    <message>
        <source>Body Frame Size</source>
        <translation>Complexión corporal</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. The result will help you know what your body frame size and accordingly help you decide whether you need to lose weight or vice versa.</source>
        <translation>La complexión corporal es uno de los factores que se tienen en cuenta al calcular el peso corporal ideal de una persona. El resultado le ayudará a conocer su complexión corporal y, en consecuencia, a decidir si necesita perder peso o ganarlo.</translation>
    </message>
    <message>
        <source>P.S Kindly consult your physician before starting any form of exercise or medications.</source>
        <translation>P. D.: Consulte a su médico antes de empezar cualquier tipo de ejercicio o de tomar medicamentos.</translation>
    </message>
    <message>
        <source>Body Frame Size:</source>
        <translation>Complexión corporal:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexDisplay</name>
    <message>
        <source>Your Height Is</source>
        <translation>Su estatura es</translation>
    </message>
    <message>
        <source>Your Weight Is</source>
        <translation>Su peso es</translation>
    </message>
    <message>
        <source>Your Body Mass Index Is</source>
        <translation>Su índice de masa corporal es</translation>
    </message>
    <message>
        <source>You are Underweight</source>
        <translation>Usted tiene bajo peso</translation>
    </message>
    <message>
        <source>You weight is Normal</source>
        <translation>Usted tiene un peso normal</translation>
    </message>
    <message>
        <source>You are Overweight</source>
        <translation>Usted tiene sobrepeso</translation>
    </message>
    <message>
        <source>You are Obese</source>
        <translation>Usted tiene obesidad</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Índice de Masa Corporal</translation>
    </message>
    <message>
        <source>QV Free Body Mass Index Result</source>
        <translation>QV Índice de Masa Corporal gratuito: resultado</translation>
    </message>
    <message>
        <source>Body Mass Index is a great way to know your body fatness. Knowing your BMI will give you an opportunity to protect your health and prevent serious illnesses by taking caution.</source>
        <translation>El índice de masa corporal es una excelente manera de conocer su nivel de grasa corporal. Conocer su IMC le dará la oportunidad de proteger su salud y prevenir enfermedades graves tomando precauciones.</translation>
    </message>
    <message>
        <source>%1 Inches</source>
        <translation>%1 pulgadas</translation>
    </message>
    <message>
        <source>%1 Meters</source>
        <translation>%1 metros</translation>
    </message>
    <message>
        <source>%1 Pounds</source>
        <translation>%1 libras</translation>
    </message>
    <message>
        <source>%1 Kilograms</source>
        <translation>%1 kilogramos</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexMain</name>
    <message>
        <source>Select Category To Measure Weight</source>
        <translation>Seleccione la unidad de peso</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Introduzca su peso</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <source>In Kilogram</source>
        <translation>En kilogramos</translation>
    </message>
    <message>
        <source>Weight in kilograms, whole part</source>
        <translation>Peso en kilogramos, parte entera</translation>
    </message>
    <message>
        <source>Weight in kilograms, tenths</source>
        <translation>Peso en kilogramos, décimas</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>In Pound</source>
        <translation>En libras</translation>
    </message>
    <message>
        <source>Weight in pounds, whole part</source>
        <translation>Peso en libras, parte entera</translation>
    </message>
    <message>
        <source>Weight in pounds, tenths</source>
        <translation>Peso en libras, décimas</translation>
    </message>
    <message>
        <source>Select Category To Measure Height</source>
        <translation>Seleccione la unidad de estatura</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Introduzca su estatura</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>In Meter</source>
        <translation>En metros</translation>
    </message>
    <message>
        <source>Height in meters, whole part</source>
        <translation>Estatura en metros, parte entera</translation>
    </message>
    <message>
        <source>Height in meters, tenths</source>
        <translation>Estatura en metros, décimas</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>In Inches</source>
        <translation>En pulgadas</translation>
    </message>
    <message>
        <source>Height in inches, whole part</source>
        <translation>Estatura en pulgadas, parte entera</translation>
    </message>
    <message>
        <source>Height in inches, tenths</source>
        <translation>Estatura en pulgadas, décimas</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Índice de Masa Corporal</translation>
    </message>
    <message>
        <source>QV Body Mass Index calculates your Body Mass Index or BMI. BMI is a measure of obesity and this software can be used to control weight problems in adults. This software gives best results for adults over 20 years of age.</source>
        <translation>QV Índice de Masa Corporal calcula su índice de masa corporal o IMC. El IMC es una medida de la obesidad y este programa puede utilizarse para controlar problemas de peso en adultos. Este programa ofrece los mejores resultados en adultos mayores de 20 años.</translation>
    </message>
    <message>
        <source>Enter the details and know your BMI</source>
        <translation>Introduzca sus datos y conozca su IMC</translation>
    </message>
    <message>
        <source>Calculate My &amp;BMI</source>
        <translation>Calcular mi &amp;IMC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Plese Select Both Your Height And Weight</source>
        <translation>Seleccione su estatura y su peso</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Height</source>
        <translation>Introduzca su estatura correcta</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorDisplay</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculadora del Peso Corporal Ideal</translation>
    </message>
    <message>
        <source>Your Ideal Body Weight Should Be Between</source>
        <translation>Su peso corporal ideal debería estar entre</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Body Weight Calculator</source>
        <translation>Gracias por utilizar QV Calculadora del Peso Corporal Ideal</translation>
    </message>
    <message>
        <source>Knowing the Ideal Body Weight for your Height helps prevent many diseases like hypertension, diabetes and stress related illnesses</source>
        <translation>Conocer el peso corporal ideal para su estatura ayuda a prevenir muchas enfermedades, como la hipertensión, la diabetes y las enfermedades relacionadas con el estrés</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet</source>
        <translation>Este programa no es la respuesta definitiva a sus problemas y solo sirve como orientación. Consulte a su médico antes de cambiar su dieta</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorMain</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculadora del Peso Corporal Ideal</translation>
    </message>
    <message>
        <source>Get My &amp;Ideal Body Weight</source>
        <translation>Calcular mi peso corporal &amp;ideal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Body Weight Calculator. Knowing the ideal weight helps you decide whether you should go on a diet or not.</source>
        <translation>Le damos la bienvenida a QV Calculadora del Peso Corporal Ideal. Conocer su peso ideal le ayuda a decidir si debe ponerse a dieta o no.</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Introduzca su estatura</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Height in feet and inches</source>
        <translation>Estatura en pies y pulgadas</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Kilograms</source>
        <translation>Calcular mi peso ideal en kilogramos</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Pounds</source>
        <translation>Calcular mi peso ideal en libras</translation>
    </message>
    <message>
        <source>%1 Kgs To %2 Kgs</source>
        <translation>%1 kg y %2 kg</translation>
    </message>
    <message>
        <source>%1 Pounds To %2 Pounds</source>
        <translation>%1 libras y %2 libras</translation>
    </message>
    <message numerus="yes">
        <source>%1 Feet %n Inches</source>
        <translation>
            <numerusform>%1 pies %n pulgada</numerusform>
            <numerusform>%1 pies %n pulgadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealWaistHipRatioMain</name>
    <message>
        <source>You are in Very Low Risk Zone</source>
        <translation>Usted está en la zona de riesgo muy bajo</translation>
    </message>
    <message>
        <source>You are in Low Risk Zone</source>
        <translation>Usted está en la zona de riesgo bajo</translation>
    </message>
    <message>
        <source>You are in Moderate Risk Zone</source>
        <translation>Usted está en la zona de riesgo moderado</translation>
    </message>
    <message>
        <source>You are in High Risk Zone</source>
        <translation>Usted está en la zona de riesgo alto</translation>
    </message>
    <message>
        <source>You are in Very High Risk Zone</source>
        <translation>Usted está en la zona de riesgo muy alto</translation>
    </message>
    <message>
        <source>QV Ideal Waist Hip Ratio</source>
        <translation>QV Índice Cintura-Cadera Ideal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Índice cintura-cadera ideal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the ratio of the waist and hip circumference helps one understand what his / her risk of getting a coronary disease is like.</source>
        <translation>Le damos la bienvenida a la calculadora QV Índice Cintura-Cadera Ideal (ICC). Conocer la relación entre el perímetro de la cintura y el de la cadera ayuda a entender qué riesgo tiene uno de sufrir una enfermedad coronaria.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Indique su sexo</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Enter Waist Measurement (in cms):</source>
        <translation>Introduzca la medida de la cintura (en cm):</translation>
    </message>
    <message>
        <source>(Measure Your Waist Circumference At The Narrowest Part)</source>
        <translation>(Mida el perímetro de su cintura en la parte más estrecha)</translation>
    </message>
    <message>
        <source>Waist in centimetres</source>
        <translation>Cintura en centímetros</translation>
    </message>
    <message>
        <source>Enter Hip Measurement (in cms):</source>
        <translation>Introduzca la medida de la cadera (en cm):</translation>
    </message>
    <message>
        <source>(Measure Your Hip Circumference At The widest Part)</source>
        <translation>(Mida el perímetro de su cadera en la parte más ancha)</translation>
    </message>
    <message>
        <source>Hip in centimetres</source>
        <translation>Cadera en centímetros</translation>
    </message>
    <message>
        <source>&amp;Calculate My Ideal Waist Hip Ratio</source>
        <translation>&amp;Calcular mi índice cintura-cadera ideal</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator.</source>
        <translation>Gracias por utilizar la calculadora QV Índice Cintura-Cadera Ideal (ICC).</translation>
    </message>
    <message>
        <source>WHR</source>
        <translation>ICC</translation>
    </message>
    <message>
        <source>The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are your chances of suffering from a coronary disease is like.</source>
        <translation>El índice cintura-cadera (ICC) ideal es una de las formas de conocer sus probabilidades de sufrir una enfermedad coronaria.</translation>
    </message>
    <message>
        <source>Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat is stored around your hips thus making you obese and more prone to heart diseases.</source>
        <translation>Conocer el índice cintura-cadera (ICC) ideal le ayuda a saber si acumula un exceso de grasa alrededor de las caderas, lo que supondría obesidad y un mayor riesgo de enfermedades del corazón.</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet.</source>
        <translation>Este programa no es la respuesta definitiva a sus problemas y solo sirve como orientación. Consulte a su médico antes de cambiar su dieta.</translation>
    </message>
    <message>
        <source>Please enter size of your waist</source>
        <translation>Introduzca la medida de su cintura</translation>
    </message>
    <message>
        <source>Please enter size of your hip</source>
        <translation>Introduzca la medida de su cadera</translation>
    </message>
    <message>
        <source>Please enter size of your waist as a number of cms, such as 85</source>
        <translation>Introduzca la medida de su cintura en cm como número, por ejemplo 85</translation>
    </message>
    <message>
        <source>Please enter size of your hip as a number of cms, such as 100</source>
        <translation>Introduzca la medida de su cadera en cm como número, por ejemplo 100</translation>
    </message>
    <message>
        <source>The size of your waist cannot be less than 0</source>
        <translation>La medida de su cintura no puede ser menor que 0</translation>
    </message>
    <message>
        <source>The size of your hip cannot be less than 0</source>
        <translation>La medida de su cadera no puede ser menor que 0</translation>
    </message>
    <message>
        <source>The size of your waist cannot be more than 32767 cms</source>
        <translation>La medida de su cintura no puede ser mayor que 32767 cm</translation>
    </message>
    <message>
        <source>The size of your hip cannot be more than 32767 cms</source>
        <translation>La medida de su cadera no puede ser mayor que 32767 cm</translation>
    </message>
    <message>
        <source>The size of your hip must be more than 0</source>
        <translation>La medida de su cadera debe ser mayor que 0</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>vellora::frmMDI</name>
    <message>
        <source>Welcome to Vellora</source>
        <translation>Le damos la bienvenida a Vellora</translation>
    </message>
    <message>
        <source>Welcome to the second edition of the Vellora! Learn more about your health related problems and take action before it&apos;s too late. Use these softwares as a guideline for better living!</source>
        <translation>¡Le damos la bienvenida a la segunda edición de Vellora! Conozca mejor sus problemas de salud y actúe antes de que sea demasiado tarde. ¡Utilice estos programas como guía para vivir mejor!</translation>
    </message>
    <message>
        <source>Vellora includes the following programs</source>
        <translation>Vellora incluye los siguientes programas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>vellora::frmNagScreen2</name>
    <message>
        <source>Thank you for using Vellora! Please support Orvantix by visiting our online forum regularly and taking part in its discussions.</source>
        <translation>¡Gracias por utilizar Vellora! Apoye a Orvantix visitando con regularidad nuestro foro en línea y participando en sus debates.</translation>
    </message>
    <message>
        <source>Did Vellora help you? Orvantix keeps making free software with your support: drop in at our online forum often and join the discussions.</source>
        <translation>¿Le ha resultado útil Vellora? Orvantix sigue creando programas gratuitos gracias a su apoyo: pase a menudo por nuestro foro en línea y participe en los debates.</translation>
    </message>
    <message>
        <source>Vellora comes to you from Orvantix. Show your support by visiting the Orvantix forum regularly and sharing your views in its discussions.</source>
        <translation>Vellora le llega de la mano de Orvantix. Demuestre su apoyo visitando con regularidad el foro de Orvantix y compartiendo sus opiniones en los debates.</translation>
    </message>
    <message>
        <source>Thanks for choosing Vellora. The best way to support Orvantix is to visit our online forum regularly and take part in the discussions there.</source>
        <translation>Gracias por elegir Vellora. La mejor manera de apoyar a Orvantix es visitar con regularidad nuestro foro en línea y participar en sus debates.</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvantix forum at %1</source>
        <translation>Sí, quiero ir al foro de Orvantix en %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Download Orvantix Softwares</source>
        <translation>Descargar programas de Orvantix</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvantix Softwares</source>
        <translation>Haga clic aquí para ver los programas de Orvantix</translation>
    </message>
    <message>
        <source>Orvantix makes many more free programs for your health, your home and your work. Try them today, and share the ones you like with your friends and family.</source>
        <translation>Orvantix ofrece muchos más programas gratuitos para su salud, su hogar y su trabajo. Pruébelos hoy mismo y comparta los que le gusten con sus amigos y familiares.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar a un amigo ahora</translation>
    </message>
    <message>
        <source>The refer-a-friend page could not be opened in your web browser</source>
        <translation>No se pudo abrir la página para recomendar a un amigo en su navegador web</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
</context>
</TS>
