<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FormValues</name>
    <message>
        <source>Please enter only numbers</source>
        <translation>Digite apenas números</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>Informe uma latitude válida</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>Informe uma longitude válida</translation>
    </message>
    <message>
        <source>At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart has no ascendant. Please enter a latitude below 90 degrees.</source>
        <translation>Em um polo (latitude de 90 graus) nenhum ponto do zodíaco nasce no leste, por isso o mapa não tem Ascendente. Informe uma latitude menor que 90 graus.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Informe o seu nome</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Informe os graus da latitude</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>Informe os minutos da latitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Informe os graus da longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Informe os minutos da longitude</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>Informe a sua cidade de nascimento</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>Informe o seu estado</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>Informe o seu país</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>Selecione a direção da latitude (norte ou sul)</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>Selecione a direção da longitude (leste ou oeste)</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Informe uma data válida!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Informe uma data válida!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Verifique o arquivo.</translation>
    </message>
</context>
<context>
    <name>PreciseTable</name>
    <message>
        <source>The built-in table of precise positions is damaged (%1). Please install QM Starloom again.</source>
        <translation>A tabela interna de posições precisas está danificada (%1). Instale o QM Starloom novamente.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>The file %1 could not be opened.
%2</source>
        <translation>Não foi possível abrir o arquivo %1.
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
%2</source>
        <translation>Não foi possível gravar o arquivo %1.
%2</translation>
    </message>
</context>
</TS>
