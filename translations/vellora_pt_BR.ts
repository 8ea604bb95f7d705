<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Calculators</name>
    <message>
        <source>Body Frame Size</source>
        <translation>Estrutura Corporal</translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation>Índice de Massa Corporal</translation>
    </message>
    <message>
        <source>Ideal Body Weight Calculator</source>
        <translation>Calculadora de Peso Ideal</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Relação Cintura-Quadril Ideal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Four personal-health calculators in one window: Body Mass Index, Ideal
Body Weight, Body Frame Size and Ideal Waist Hip Ratio.

Qt&apos;s own options, such as -platform, -style and -display, are taken too.</source>
        <translation>Quatro calculadoras de saúde pessoal em uma janela: Índice de Massa Corporal, Peso
Ideal, Estrutura Corporal e Relação Cintura-Quadril Ideal.

As opções do próprio Qt, como -platform, -style e -display, também são aceitas.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Exibe as informações de versão.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Experimente &apos;%1 --help&apos; para mais informações.
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
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa totalmente personalizado com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.%1Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa. Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome e o link do seu site. Consulte &quot;Ajuda&quot; para mais detalhes.%1Clique aqui para mais informações sobre a marca compartilhada (co-branding).</translation>
    </message>
    <message>
        <source>Talk health and fitness with others on the Orvantix discussion board at %1</source>
        <translation>Converse sobre saúde e boa forma com outras pessoas no fórum de discussão da Orvantix em %1</translation>
    </message>
    <message>
        <source>Join the Orvantix discussion board for health and fitness. Click here to visit %1</source>
        <translation>Participe do fórum de discussão da Orvantix sobre saúde e boa forma. Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>Ask your health questions in the Orvantix online forum: visit %1</source>
        <translation>Tire suas dúvidas de saúde no fórum on-line da Orvantix: visite %1</translation>
    </message>
</context>
<context>
    <name>ReferAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este programa.
Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorInputWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorResultWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>vellora::CalculatorWindow</name>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Feminino</translation>
    </message>
</context>
<context>
    <name>vellora::NumberBox</name>
    <message>
        <source>You can enter only number</source>
        <translation>Você só pode digitar números</translation>
    </message>
</context>
<context>
    <name>vellora::SharedMenuBar</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhe dinheiro &amp;on-line</translation>
    </message>
</context>
<context>
    <name>vellora::frmAbout</name>
    <message>
        <source>Vellora consists of Body Mass Index, Ideal Body Weight Calculator, Body Frame Size &amp; Ideal Waist-Hip Ratio calculators. These tools are indicative of standards that need to be maintained for a healthy loving.</source>
        <translation>O Vellora é composto pelo Índice de Massa Corporal, pela Calculadora de Peso Ideal, pela Estrutura Corporal e pela Relação Cintura-Quadril Ideal. Essas ferramentas indicam os padrões que devem ser mantidos para uma vida saudável.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa totalmente personalizado com a marca do seu site. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyFrameSizeMain</name>
    <message>
        <source>You have a Small Frame</source>
        <translation>Você tem estrutura corporal pequena</translation>
    </message>
    <message>
        <source>You have a Medium Frame</source>
        <translation>Você tem estrutura corporal média</translation>
    </message>
    <message>
        <source>You have a Large Frame</source>
        <translation>Você tem estrutura corporal grande</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches</source>
        <translation>Informe a largura do cotovelo em polegadas</translation>
    </message>
    <message>
        <source>Please enter the size of elbow in inches as a number, such as 2.75</source>
        <translation>Informe a largura do cotovelo em polegadas como um número com ponto decimal, por exemplo 2.75</translation>
    </message>
    <message>
        <source>The size of elbow cannot be less than 0</source>
        <translation>A largura do cotovelo não pode ser menor que 0</translation>
    </message>
    <message>
        <source>The size of elbow is too large to be read as a number</source>
        <translation>A largura do cotovelo é grande demais para ser lida como número</translation>
    </message>
    <message>
        <source>QV Body Frame Size</source>
        <translation>QV Estrutura Corporal</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. Know your body frame size to get a better idea about your health.</source>
        <translation>A estrutura corporal é um dos fatores considerados no cálculo do peso ideal de uma pessoa. Conheça sua estrutura corporal para ter uma ideia melhor da sua saúde.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Informe o sexo</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Informe sua altura</translation>
    </message>
    <message>
        <source>Height band</source>
        <translation>Faixa de altura</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>1. Bend your forearm at 90 degrees so that it is parallel to your body.</source>
        <translation>1. Dobre o antebraço em 90 graus, de modo que fique paralelo ao corpo.</translation>
    </message>
    <message>
        <source>2. Keep your palm turned up and fingers straight.</source>
        <translation>2. Mantenha a palma da mão voltada para cima e os dedos esticados.</translation>
    </message>
    <message>
        <source>3. With your other hand place your thumb and index finger on the two most prominent      bones of your elbow (on either side).</source>
        <translation>3. Com a outra mão, coloque o polegar e o indicador sobre os dois ossos mais salientes do cotovelo (um de cada lado).</translation>
    </message>
    <message>
        <source>4. Measure this distance with a measuring tape.</source>
        <translation>4. Meça essa distância com uma fita métrica.</translation>
    </message>
    <message>
        <source>5. Enter this value below.</source>
        <translation>5. Digite esse valor abaixo.</translation>
    </message>
    <message>
        <source>Enter Elbow Measurement</source>
        <translation>Informe a medida do cotovelo</translation>
    </message>
    <message>
        <source>Elbow breadth in inches</source>
        <translation>Largura do cotovelo em polegadas</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>&amp;Get My Body Frame Size</source>
        <translation>&amp;Calcular minha estrutura corporal</translation>
    </message>
    <message>
        <source>Body Frame Size</source>
        <translation>Estrutura Corporal</translation>
    </message>
    <message>
        <source>Body Frame Size is one of the factors that is considered when calculating the ideal body weight for a person. The result will help you know what your body frame size and accordingly help you decide whether you need to lose weight or vice versa.</source>
        <translation>A estrutura corporal é um dos fatores considerados no cálculo do peso ideal de uma pessoa. O resultado ajuda você a conhecer sua estrutura corporal e, assim, a decidir se precisa perder ou ganhar peso.</translation>
    </message>
    <message>
        <source>P.S Kindly consult your physician before starting any form of exercise or medications.</source>
        <translation>Obs.: consulte seu médico antes de começar qualquer tipo de exercício ou medicação.</translation>
    </message>
    <message>
        <source>Body Frame Size:</source>
        <translation>Estrutura corporal:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexDisplay</name>
    <message>
        <source>Your Height Is</source>
        <translation>Sua altura é</translation>
    </message>
    <message>
        <source>Your Weight Is</source>
        <translation>Seu peso é</translation>
    </message>
    <message>
        <source>Your Body Mass Index Is</source>
        <translation>Seu índice de massa corporal é</translation>
    </message>
    <message>
        <source>You are Underweight</source>
        <translation>Você está abaixo do peso</translation>
    </message>
    <message>
        <source>You weight is Normal</source>
        <translation>Você está com peso normal</translation>
    </message>
    <message>
        <source>You are Overweight</source>
        <translation>Você está com sobrepeso</translation>
    </message>
    <message>
        <source>You are Obese</source>
        <translation>Você está com obesidade</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Índice de Massa Corporal</translation>
    </message>
    <message>
        <source>QV Free Body Mass Index Result</source>
        <translation>Resultado do QV Índice de Massa Corporal (grátis)</translation>
    </message>
    <message>
        <source>Body Mass Index is a great way to know your body fatness. Knowing your BMI will give you an opportunity to protect your health and prevent serious illnesses by taking caution.</source>
        <translation>O índice de massa corporal é uma ótima forma de conhecer sua gordura corporal. Conhecer seu IMC dá a você a oportunidade de proteger sua saúde e prevenir doenças graves tomando precauções.</translation>
    </message>
    <message>
        <source>%1 Inches</source>
        <translation>%1 polegadas</translation>
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
        <translation>%1 quilogramas</translation>
    </message>
</context>
<context>
    <name>vellora::frmBodyMassIndexMain</name>
    <message>
        <source>Select Category To Measure Weight</source>
        <translation>Selecione a unidade para medir o peso</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Informe seu peso</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <source>In Kilogram</source>
        <translation>Em quilogramas</translation>
    </message>
    <message>
        <source>Weight in kilograms, whole part</source>
        <translation>Peso em quilogramas, parte inteira</translation>
    </message>
    <message>
        <source>Weight in kilograms, tenths</source>
        <translation>Peso em quilogramas, décimos</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>In Pound</source>
        <translation>Em libras</translation>
    </message>
    <message>
        <source>Weight in pounds, whole part</source>
        <translation>Peso em libras, parte inteira</translation>
    </message>
    <message>
        <source>Weight in pounds, tenths</source>
        <translation>Peso em libras, décimos</translation>
    </message>
    <message>
        <source>Select Category To Measure Height</source>
        <translation>Selecione a unidade para medir a altura</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Informe sua altura</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>In Meter</source>
        <translation>Em metros</translation>
    </message>
    <message>
        <source>Height in meters, whole part</source>
        <translation>Altura em metros, parte inteira</translation>
    </message>
    <message>
        <source>Height in meters, tenths</source>
        <translation>Altura em metros, décimos</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>In Inches</source>
        <translation>Em polegadas</translation>
    </message>
    <message>
        <source>Height in inches, whole part</source>
        <translation>Altura em polegadas, parte inteira</translation>
    </message>
    <message>
        <source>Height in inches, tenths</source>
        <translation>Altura em polegadas, décimos</translation>
    </message>
    <message>
        <source>QV Body Mass Index</source>
        <translation>QV Índice de Massa Corporal</translation>
    </message>
    <message>
        <source>QV Body Mass Index calculates your Body Mass Index or BMI. BMI is a measure of obesity and this software can be used to control weight problems in adults. This software gives best results for adults over 20 years of age.</source>
        <translation>O QV Índice de Massa Corporal calcula seu índice de massa corporal, ou IMC. O IMC é uma medida de obesidade, e este programa pode ser usado para controlar problemas de peso em adultos. Os melhores resultados são obtidos em adultos com mais de 20 anos.</translation>
    </message>
    <message>
        <source>Enter the details and know your BMI</source>
        <translation>Informe seus dados e descubra seu IMC</translation>
    </message>
    <message>
        <source>Calculate My &amp;BMI</source>
        <translation>Calcular meu &amp;IMC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plese Select Both Your Height And Weight</source>
        <translation>Selecione sua altura e seu peso</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Height</source>
        <translation>Informe sua altura correta</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorDisplay</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculadora de Peso Ideal</translation>
    </message>
    <message>
        <source>Your Ideal Body Weight Should Be Between</source>
        <translation>Seu peso ideal deve estar entre</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Body Weight Calculator</source>
        <translation>Obrigado por usar a QV Calculadora de Peso Ideal</translation>
    </message>
    <message>
        <source>Knowing the Ideal Body Weight for your Height helps prevent many diseases like hypertension, diabetes and stress related illnesses</source>
        <translation>Conhecer o peso ideal para sua altura ajuda a prevenir muitas doenças, como hipertensão, diabetes e doenças relacionadas ao estresse</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet</source>
        <translation>Este programa não é a resposta definitiva para seus problemas e serve apenas como orientação. Consulte seu médico antes de mudar sua alimentação</translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealBodyWeightCalculatorMain</name>
    <message>
        <source>QV Ideal Body Weight Calculator</source>
        <translation>QV Calculadora de Peso Ideal</translation>
    </message>
    <message>
        <source>Get My &amp;Ideal Body Weight</source>
        <translation>Calcular meu peso &amp;ideal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Body Weight Calculator. Knowing the ideal weight helps you decide whether you should go on a diet or not.</source>
        <translation>Boas-vindas à QV Calculadora de Peso Ideal. Conhecer o peso ideal ajuda você a decidir se deve ou não fazer dieta.</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Informe sua altura</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pés</translation>
    </message>
    <message>
        <source>Height in feet and inches</source>
        <translation>Altura em pés e polegadas</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Kilograms</source>
        <translation>Calcular meu peso ideal em quilogramas</translation>
    </message>
    <message>
        <source>Get My Ideal Body Weight In Pounds</source>
        <translation>Calcular meu peso ideal em libras</translation>
    </message>
    <message>
        <source>%1 Kgs To %2 Kgs</source>
        <translation>%1 kg a %2 kg</translation>
    </message>
    <message>
        <source>%1 Pounds To %2 Pounds</source>
        <translation>%1 libras a %2 libras</translation>
    </message>
    <message numerus="yes">
        <source>%1 Feet %n Inches</source>
        <translation>
            <numerusform>%1 pés e %n polegada</numerusform>
            <numerusform>%1 pés e %n polegadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellora::frmIdealWaistHipRatioMain</name>
    <message>
        <source>You are in Very Low Risk Zone</source>
        <translation>Você está na zona de risco muito baixo</translation>
    </message>
    <message>
        <source>You are in Low Risk Zone</source>
        <translation>Você está na zona de risco baixo</translation>
    </message>
    <message>
        <source>You are in Moderate Risk Zone</source>
        <translation>Você está na zona de risco moderado</translation>
    </message>
    <message>
        <source>You are in High Risk Zone</source>
        <translation>Você está na zona de risco alto</translation>
    </message>
    <message>
        <source>You are in Very High Risk Zone</source>
        <translation>Você está na zona de risco muito alto</translation>
    </message>
    <message>
        <source>QV Ideal Waist Hip Ratio</source>
        <translation>QV Relação Cintura-Quadril Ideal</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informações pessoais</translation>
    </message>
    <message>
        <source>Ideal Waist Hip Ratio</source>
        <translation>Relação Cintura-Quadril Ideal</translation>
    </message>
    <message>
        <source>Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the ratio of the waist and hip circumference helps one understand what his / her risk of getting a coronary disease is like.</source>
        <translation>Boas-vindas à QV Calculadora de Relação Cintura-Quadril (RCQ) Ideal. Conhecer a relação entre as circunferências da cintura e do quadril ajuda você a entender qual é o seu risco de desenvolver uma doença coronariana.</translation>
    </message>
    <message>
        <source>Enter Gender</source>
        <translation>Informe o sexo</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Enter Waist Measurement (in cms):</source>
        <translation>Informe a medida da cintura (em cm):</translation>
    </message>
    <message>
        <source>(Measure Your Waist Circumference At The Narrowest Part)</source>
        <translation>(Meça a circunferência da cintura na parte mais estreita)</translation>
    </message>
    <message>
        <source>Waist in centimetres</source>
        <translation>Cintura em centímetros</translation>
    </message>
    <message>
        <source>Enter Hip Measurement (in cms):</source>
        <translation>Informe a medida do quadril (em cm):</translation>
    </message>
    <message>
        <source>(Measure Your Hip Circumference At The widest Part)</source>
        <translation>(Meça a circunferência do quadril na parte mais larga)</translation>
    </message>
    <message>
        <source>Hip in centimetres</source>
        <translation>Quadril em centímetros</translation>
    </message>
    <message>
        <source>&amp;Calculate My Ideal Waist Hip Ratio</source>
        <translation>&amp;Calcular minha relação cintura-quadril ideal</translation>
    </message>
    <message>
        <source>Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator.</source>
        <translation>Obrigado por usar a QV Calculadora de Relação Cintura-Quadril (RCQ) Ideal.</translation>
    </message>
    <message>
        <source>WHR</source>
        <translation>RCQ</translation>
    </message>
    <message>
        <source>The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are your chances of suffering from a coronary disease is like.</source>
        <translation>A relação cintura-quadril (RCQ) ideal é uma das formas de saber quais são suas chances de sofrer de uma doença coronariana.</translation>
    </message>
    <message>
        <source>Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat is stored around your hips thus making you obese and more prone to heart diseases.</source>
        <translation>Conhecer a relação cintura-quadril (RCQ) ideal ajuda você a entender se há excesso de gordura acumulada ao redor dos quadris, o que leva à obesidade e a um risco maior de doenças cardíacas.</translation>
    </message>
    <message>
        <source>This software is not the ultimate answer to your problems and only serves as a guide. Please consult your physician before changing your diet.</source>
        <translation>Este programa não é a resposta definitiva para seus problemas e serve apenas como orientação. Consulte seu médico antes de mudar sua alimentação.</translation>
    </message>
    <message>
        <source>Please enter size of your waist</source>
        <translation>Informe a medida da sua cintura</translation>
    </message>
    <message>
        <source>Please enter size of your hip</source>
        <translation>Informe a medida do seu quadril</translation>
    </message>
    <message>
        <source>Please enter size of your waist as a number of cms, such as 85</source>
        <translation>Informe a medida da sua cintura como um número em cm, por exemplo 85</translation>
    </message>
    <message>
        <source>Please enter size of your hip as a number of cms, such as 100</source>
        <translation>Informe a medida do seu quadril como um número em cm, por exemplo 100</translation>
    </message>
    <message>
        <source>The size of your waist cannot be less than 0</source>
        <translation>A medida da sua cintura não pode ser menor que 0</translation>
    </message>
    <message>
        <source>The size of your hip cannot be less than 0</source>
        <translation>A medida do seu quadril não pode ser menor que 0</translation>
    </message>
    <message>
        <source>The size of your waist cannot be more than 32767 cms</source>
        <translation>A medida da sua cintura não pode ser maior que 32767 cm</translation>
    </message>
    <message>
        <source>The size of your hip cannot be more than 32767 cms</source>
        <translation>A medida do seu quadril não pode ser maior que 32767 cm</translation>
    </message>
    <message>
        <source>The size of your hip must be more than 0</source>
        <translation>A medida do seu quadril deve ser maior que 0</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>vellora::frmMDI</name>
    <message>
        <source>Welcome to Vellora</source>
        <translation>Boas-vindas ao Vellora</translation>
    </message>
    <message>
        <source>Welcome to the second edition of the Vellora! Learn more about your health related problems and take action before it&apos;s too late. Use these softwares as a guideline for better living!</source>
        <translation>Boas-vindas à segunda edição do Vellora! Saiba mais sobre seus problemas de saúde e tome uma atitude antes que seja tarde demais. Use estes programas como um guia para viver melhor!</translation>
    </message>
    <message>
        <source>Vellora includes the following programs</source>
        <translation>O Vellora inclui os seguintes programas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>vellora::frmNagScreen2</name>
    <message>
        <source>Thank you for using Vellora! Please support Orvantix by visiting our online forum regularly and taking part in its discussions.</source>
        <translation>Obrigado por usar o Vellora! Apoie a Orvantix visitando nosso fórum on-line regularmente e participando das discussões.</translation>
    </message>
    <message>
        <source>Did Vellora help you? Orvantix keeps making free software with your support: drop in at our online forum often and join the discussions.</source>
        <translation>O Vellora ajudou você? A Orvantix continua criando programas gratuitos com o seu apoio: visite nosso fórum on-line com frequência e participe das discussões.</translation>
    </message>
    <message>
        <source>Vellora comes to you from Orvantix. Show your support by visiting the Orvantix forum regularly and sharing your views in its discussions.</source>
        <translation>O Vellora é oferecido a você pela Orvantix. Mostre seu apoio visitando regularmente o fórum da Orvantix e compartilhando suas opiniões nas discussões.</translation>
    </message>
    <message>
        <source>Thanks for choosing Vellora. The best way to support Orvantix is to visit our online forum regularly and take part in the discussions there.</source>
        <translation>Obrigado por escolher o Vellora. A melhor forma de apoiar a Orvantix é visitar nosso fórum on-line regularmente e participar das discussões.</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvantix forum at %1</source>
        <translation>Sim, quero ir ao fórum da Orvantix em %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Download Orvantix Softwares</source>
        <translation>Baixe os programas da Orvantix</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvantix Softwares</source>
        <translation>Clique aqui para conhecer os programas da Orvantix</translation>
    </message>
    <message>
        <source>Orvantix makes many more free programs for your health, your home and your work. Try them today, and share the ones you like with your friends and family.</source>
        <translation>A Orvantix cria muitos outros programas gratuitos para sua saúde, sua casa e seu trabalho. Experimente-os hoje e compartilhe os que você gostar com seus amigos e familiares.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indique um amigo agora</translation>
    </message>
    <message>
        <source>The refer-a-friend page could not be opened in your web browser</source>
        <translation>Não foi possível abrir a página de indicação de amigos no seu navegador</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
</TS>
