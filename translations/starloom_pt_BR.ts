<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>QM Starloom speaks the language you chose from its next start. Please close it and start it again.</source>
        <translation>O QM Starloom usará o idioma escolhido a partir da próxima inicialização. Feche o programa e abra-o novamente.</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>starloom::BirthForm</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Type a city to search the atlas</source>
        <translation>Digite uma cidade para buscar no atlas</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>Hora de nascimento:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuso horário:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>GRAU/MIN</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude &amp;&amp; longitude</translation>
    </message>
    <message>
        <source>&amp;Get My Starloom Reading</source>
        <translation>&amp;Gerar minha interpretação Starloom</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir interpretação &amp;salva</translation>
    </message>
    <message>
        <source>Know what the distribution of the planets in your natal chart mean with QM Starloom.</source>
        <translation>Descubra com o QM Starloom o que a distribuição dos planetas no seu mapa natal significa.</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our discussion forum</source>
        <translation>Converse sobre o seu mapa com outros leitores em nosso fórum de discussão</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>Gerar meu &amp;mapa natal</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
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
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Informe a cidade</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Informe o estado</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Informe o país</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto de nascimento</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, graus</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutos</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, graus</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutos</translation>
    </message>
</context>
<context>
    <name>starloom::KeystrokeFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>Digite apenas letras</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>Digite apenas números</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Selecione o arquivo de origem</translation>
    </message>
</context>
<context>
    <name>starloom::frmAbout</name>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Licenciado sob a GNU General Public License, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QM Starloom displays the pattern in which the planets are arranged in a person&apos;s natal chart. This pattern of grouping of planets represents certain positive and negative attributes that are reflected in the personality of an individual.</source>
        <translation>O QM Starloom mostra o padrão em que os planetas estão dispostos no mapa natal de uma pessoa. Esse padrão de agrupamento dos planetas representa certos atributos positivos e negativos que se refletem na personalidade do indivíduo.</translation>
    </message>
</context>
</TS>
