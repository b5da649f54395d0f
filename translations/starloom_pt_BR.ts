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
        <source>System Language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>QM Starloom now speaks the language you chose, and will from its next start too. Chart windows already open keep their language until they are opened again.</source>
        <translation>O QM Starloom agora usa o idioma escolhido, também nas próximas vezes em que for iniciado. As janelas de mapa já abertas mantêm o idioma até serem abertas novamente.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>No web browser could be started for this page. To visit it, copy its address into a browser:

%1</source>
        <translation>Não foi possível abrir um navegador para esta página. Para visitá-la, copie o endereço em um navegador:

%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Natal charts and the pattern of the planets in them.</source>
        <translation>Mapas natais e o padrão dos planetas neles.</translation>
    </message>
    <message>
        <source>A reading file (.act) to open.</source>
        <translation>Um arquivo de leitura (.act) a abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[arquivo]</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>QM Starloom could not make its lock against a second copy (%1). It starts anyway, but another copy started now would not be noticed.</source>
        <translation>O QM Starloom não conseguiu criar sua trava contra uma segunda cópia (%1). Ele será iniciado mesmo assim, mas outra cópia aberta agora não seria percebida.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Pode haver uma atualização disponível para este programa</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja procurar uma atualização?</translation>
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
    <name>starloom::PlaceFinder</name>
    <message>
        <source>For %1 on this date the atlas gives %2; your choice is kept.</source>
        <translation>Para %1 nesta data o atlas indica %2; sua escolha é mantida.</translation>
    </message>
    <message>
        <source>%1 with Daylight Saving Time ticked: daylight time counted twice?</source>
        <translation>%1 com “Horário de verão” marcado: horário de verão contado duas vezes?</translation>
    </message>
    <message>
        <source>Not from the atlas: coordinates and zone are yours to set</source>
        <translation>Fora do atlas: coordenadas e fuso ficam a seu cargo</translation>
    </message>
</context>
<context>
    <name>starloom::ReadingSession</name>
    <message>
        <source>Select the source file</source>
        <translation>Selecione o arquivo de origem</translation>
    </message>
    <message>
        <source>QM Astrology Chart Type</source>
        <translation>Mapa do QM Astrology</translation>
    </message>
    <message>
        <source>Warning: for %1 on this date the atlas gives %2.</source>
        <translation>Aviso: para %1 nesta data o atlas indica %2.</translation>
    </message>
    <message>
        <source>Positions: precise, JPL-based</source>
        <translation>Posições: precisas, baseadas no JPL</translation>
    </message>
    <message>
        <source>Positions: standard formulas</source>
        <translation>Posições: fórmulas padrão</translation>
    </message>
    <message>
        <source>%1 (date outside %2–%3)</source>
        <translation>%1 (data fora de %2–%3)</translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation>Casas: %1</translation>
    </message>
    <message>
        <source>Houses: %1 (%2 undefined here)</source>
        <translation>Casas: %1 (%2 indefinido aqui)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>Selecione o arquivo de texto de destino</translation>
    </message>
    <message>
        <source>Export Chart As Text</source>
        <translation>Exportar o mapa como texto</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar com</translation>
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
