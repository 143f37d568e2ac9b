<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT/Z(6): the module's document of the attachment of a special section of agricultural production becomes
     the attachment's element "Zalacznik_PIT_Z" (namespace urn:tlx:projekt:PIT-Z-6/, the project's), which the return's document takes
     into its "Zalaczniki". Amounts leave with two decimals; those whose amount is 0 are left out. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:projekt:PIT-Z-6/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_PIT_Z>
        <Naglowek>
          <KodFormularza kodSystemowy="PIT/Z (6)" wersjaSchemy="1-0E">PIT/Z</KodFormularza>
          <WariantFormularza>6</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <P_1><xsl:value-of select="normalize-space($s/P_1)"/></P_1>
          <P_4><xsl:value-of select="normalize-space($s/P_4)"/></P_4>
          <P_7><xsl:value-of select="normalize-space($s/P_7)"/></P_7>
          <P_8><xsl:value-of select="normalize-space($s/P_8)"/></P_8>
          <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_9 P_10 P_11 P_12'"/></xsl:call-template>
        </PozycjeSzczegolowe>
      </Zalacznik_PIT_Z>
    </Deklaracja>
  </xsl:template>

  <!-- A field's amount as a number (a decimal comma or point); NaN for no number. -->
  <xsl:template name="liczba">
    <xsl:param name="nazwa"/>
    <xsl:value-of select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
  </xsl:template>

  <!-- Optional amounts in złoty and grosze, each written when not 0; names separated by blanks. -->
  <xsl:template name="kwoty">
    <xsl:param name="nazwy"/>
    <xsl:param name="wzorzec" select="'0.00'"/>
    <xsl:variable name="nazwa" select="substring-before(concat($nazwy, ' '), ' ')"/>
    <xsl:variable name="liczba"><xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template></xsl:variable>
    <xsl:if test="number($liczba) = number($liczba) and number($liczba) != 0">
      <xsl:element name="{$nazwa}">
        <xsl:choose>
          <xsl:when test="$wzorzec = '0'"><xsl:value-of select="format-number(round(number($liczba)), '0')"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="format-number(number($liczba), $wzorzec)"/></xsl:otherwise>
        </xsl:choose>
      </xsl:element>
    </xsl:if>
    <xsl:if test="contains($nazwy, ' ')">
      <xsl:call-template name="kwoty">
        <xsl:with-param name="nazwy" select="substring-after($nazwy, ' ')"/>
        <xsl:with-param name="wzorzec" select="$wzorzec"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
