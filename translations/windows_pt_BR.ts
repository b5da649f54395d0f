<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChartDescription</name>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Meio do Céu</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 %2° %3 %4′</source>
        <extracomment>A point of the chart: its name, degree, sign and minute, as in &quot;Sun 23° Cancer 49′&quot;.</extracomment>
        <translation>%1 %2° %3 %4′</translation>
    </message>
    <message>
        <source>%1, house %2</source>
        <translation>%1, casa %2</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, retrógrado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Transiting</source>
        <translation>Trâns.</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progr.</translation>
    </message>
    <message>
        <source>Directed</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>, retrograde</source>
        <translation>, retrógrado</translation>
    </message>
    <message>
        <source>%1 natal %2</source>
        <translation>%1 com %2 natal</translation>
    </message>
    <message>
        <source>turns retrograde</source>
        <translation>fica retrógrado</translation>
    </message>
    <message>
        <source>turns direct</source>
        <translation>fica direto</translation>
    </message>
    <message>
        <source>enters %1</source>
        <translation>entra em %1</translation>
    </message>
    <message>
        <source>enters house %1</source>
        <translation>entra na casa %1</translation>
    </message>
</context>
<context>
    <name>starloom::BiWheel</name>
    <message>
        <source>Bi-wheel</source>
        <translation>Roda dupla</translation>
    </message>
</context>
<context>
    <name>starloom::ChartWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Comparar com…</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Salvar como</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>Salvar como &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>&amp;Exportar mapa como texto</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Exportar como P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>Posições &amp;precisas</translation>
    </message>
    <message>
        <source>&amp;House System</source>
        <translation>Sistema de &amp;casas</translation>
    </message>
    <message>
        <source>Aspect &amp;Lines</source>
        <translation>&amp;Linhas de aspecto</translation>
    </message>
    <message>
        <source>Aspect &amp;Orbs…</source>
        <translation>&amp;Orbes dos aspectos…</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar à &amp;janela</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Mapa</translation>
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
</context>
<context>
    <name>starloom::NatalWheel</name>
    <message>
        <source>Natal wheel</source>
        <translation>Roda do mapa natal</translation>
    </message>
</context>
<context>
    <name>starloom::ReportWindow</name>
    <message>
        <source>Interpretation by signs</source>
        <translation>Interpretação pelos signos</translation>
    </message>
    <message>
        <source>Folder of the last saved image</source>
        <translation>Pasta da última imagem salva</translation>
    </message>
    <message>
        <source>Name of the last saved image</source>
        <translation>Nome da última imagem salva</translation>
    </message>
    <message>
        <source>Pattern by degrees</source>
        <translation>Padrão de distribuição por graus</translation>
    </message>
    <message>
        <source>Aspect grid</source>
        <translation>Grade de aspectos</translation>
    </message>
    <message>
        <source>&amp;Signs</source>
        <translation>&amp;Signos</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Graus</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>As&amp;pectos</translation>
    </message>
</context>
<context>
    <name>starloom::SecondChartWindow</name>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Second Chart</source>
        <translation>Segundo mapa</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Trânsitos</translation>
    </message>
    <message>
        <source>Secondary &amp;Progressions</source>
        <translation>&amp;Progressões secundárias</translation>
    </message>
    <message>
        <source>Solar &amp;Arc Directions</source>
        <translation>&amp;Direções por arco solar</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>&amp;Avançar um passo</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Voltar um passo</translation>
    </message>
    <message>
        <source>Step by &amp;%1</source>
        <translation>Passo: &amp;%1</translation>
    </message>
    <message>
        <source>Second Chart &amp;Orbs…</source>
        <translation>&amp;Orbes do segundo mapa…</translation>
    </message>
    <message>
        <source>Step &amp;Unit</source>
        <translation>&amp;Unidade do passo</translation>
    </message>
    <message>
        <source>&amp;Moment (UT):</source>
        <translation>&amp;Momento (UT):</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Voltar um passo</translation>
    </message>
    <message>
        <source>Step back (Alt+Left)</source>
        <translation>Voltar um passo (Alt+Esquerda)</translation>
    </message>
    <message>
        <source>Step unit</source>
        <translation>Unidade do passo</translation>
    </message>
    <message>
        <source>The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, Alt+5 year</source>
        <translation>Passo: Alt+1 hora, Alt+2 dia, Alt+3 semana, Alt+4 mês, Alt+5 ano</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Avançar um passo</translation>
    </message>
    <message>
        <source>Step forward (Alt+Right)</source>
        <translation>Avançar um passo (Alt+Direita)</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitude:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, north positive</source>
        <translation>Local dos trânsitos: graus, norte positivo</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitude:</translation>
    </message>
    <message>
        <source>Where transits are cast: degrees, east positive</source>
        <translation>Local dos trânsitos: graus, leste positivo</translation>
    </message>
    <message>
        <source>O&amp;rbs…</source>
        <translation>O&amp;rbes…</translation>
    </message>
    <message>
        <source>Aspects between the second chart and the natal chart</source>
        <translation>Aspectos entre o segundo mapa e o mapa natal</translation>
    </message>
    <message>
        <source>Second chart</source>
        <translation>Segundo mapa</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Coming transit events</source>
        <translation>Próximos eventos de trânsito</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tempo universal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Double-click an event to move the transits to its moment</source>
        <translation>Clique duas vezes em um evento para levar os trânsitos ao momento dele</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Aspectos</translation>
    </message>
    <message>
        <source>Transit &amp;Events</source>
        <translation>&amp;Eventos de trânsito</translation>
    </message>
    <message>
        <source>Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, a day, a week, a month or a year. Point at an outer glyph for its name.</source>
        <translation>Alt+Direita e Alt+Esquerda avançam e voltam um passo; Alt+1 a Alt+5 definem o passo em uma hora, um dia, uma semana, um mês ou um ano. Passe o mouse sobre um símbolo do anel externo para ver o nome dele.</translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation>Trânsitos de %1</translation>
    </message>
    <message>
        <source>Secondary Progressions for %1</source>
        <translation>Progressões secundárias de %1</translation>
    </message>
    <message>
        <source>Solar Arc Directions for %1</source>
        <translation>Direções por arco solar de %1</translation>
    </message>
    <message>
        <source>Synastry: %1 and %2</source>
        <translation>Sinastria: %1 e %2</translation>
    </message>
    <message>
        <source>%1 UT (local time %2), at %3</source>
        <translation>%1 UT (hora local %2), em %3</translation>
    </message>
    <message>
        <source>To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension</source>
        <translation>Até %1 UT: momento progredido %2 UT, Meio do Céu avançou %3 em ascensão reta</translation>
    </message>
    <message>
        <source>To %1 UT: solar arc %2%3</source>
        <translation>Até %1 UT: arco solar %2%3</translation>
    </message>
    <message>
        <source>%1 born %2 UT</source>
        <translation>%1, nascimento em %2 UT</translation>
    </message>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>natal %1</source>
        <translation>%1 natal</translation>
    </message>
    <message>
        <source>Natal chart: %1. %2: %3</source>
        <translation>Mapa natal: %1. %2: %3</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativo</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source>Ingress</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4, orb %5, %6</source>
        <translation>%1 %2 %3 %4, orbe %5, %6</translation>
    </message>
</context>
</TS>
