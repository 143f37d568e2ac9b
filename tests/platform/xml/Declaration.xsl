<?xml version="1.0" encoding="UTF-8"?>
<!-- Turns the module's own declaration document into a filing document; the period and the form code
     come as parameters. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:d="urn:tlx:deklaracja" xmlns:str="http://exslt.org/strings"
                exclude-result-prefixes="d str">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:param name="okres" select="'brak'"/>
  <xsl:param name="kod"/>
  <xsl:template match="/d:Deklaracja">
    <Deklaracja xmlns="urn:tlx:test:form">
      <Naglowek>
        <KodFormularza><xsl:value-of select="$kod"/></KodFormularza>
        <Okres><xsl:value-of select="$okres"/></Okres>
      </Naglowek>
      <PozycjeSzczegolowe>
        <xsl:for-each select="Schemat/*[starts-with(name(), 'P_')]">
          <xsl:element name="{name()}"><xsl:value-of select="str:replace(., ',', '.')"/></xsl:element>
        </xsl:for-each>
      </PozycjeSzczegolowe>
      <Pouczenie xmlns="">Za uchybienie – odpowiedzialność</Pouczenie>
    </Deklaracja>
  </xsl:template>
</xsl:stylesheet>
