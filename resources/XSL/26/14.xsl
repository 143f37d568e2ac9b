<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT/28B(14): the module's document of one partnership's revenue attachment becomes the attachment's element
     "Zalacznik_PIT-28_B" (namespace urn:tlx:projekt:PIT-28B-14/, the project's), which the PIT-28's document takes
     into its "Zalaczniki". The share and the amounts leave with two decimals; amounts that are 0 are left out. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:projekt:PIT-28B-14/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_PIT-28_B>
        <Naglowek>
          <KodFormularza kodSystemowy="PIT/28B (14)" wersjaSchemy="1-0E">PIT/28B</KodFormularza>
          <WariantFormularza>14</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <P_1><xsl:value-of select="normalize-space($s/P_1)"/></P_1>
          <P_2><xsl:value-of select="normalize-space($s/DkN_Numer)"/></P_2>
          <P_4><xsl:value-of select="normalize-space($s/P_4)"/></P_4>
          <P_5><xsl:value-of select="normalize-space($s/P_5)"/></P_5>
          <xsl:if test="normalize-space($s/P_6) != ''"><P_6><xsl:value-of select="normalize-space($s/P_6)"/></P_6></xsl:if>
          <xsl:if test="normalize-space($s/P_7) != ''"><P_7><xsl:value-of select="normalize-space($s/P_7)"/></P_7></xsl:if>
          <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_8 P_9 P_10 P_11 P_12 P_13 P_14 P_15 P_16 P_17 P_18 P_19 P_20 P_21 P_22 P_23 P_24 P_25 P_26 P_27 P_28 P_29 P_30'"/></xsl:call-template>
        </PozycjeSzczegolowe>
      </Zalacznik_PIT-28_B>
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
