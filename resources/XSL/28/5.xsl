<?xml version="1.0" encoding="UTF-8"?>
<!-- CIT-D(5), donations deducted from income: an attachment of the CIT-8(24), placed whole into the
     return's "Zalaczniki". One "P_D" for each row with an amount (the donee and purpose, the amount), then
     the total; in the namespace of the return it goes with. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:wzor:CIT-8:24/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_CIT-D>
        <Naglowek>
          <KodFormularza kodSystemowy="CIT-D (5)" wersjaSchemy="1-0E">CIT-D</KodFormularza>
          <WariantFormularza>5</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <xsl:call-template name="wiersz"><xsl:with-param name="i" select="1"/></xsl:call-template>
          <P_Suma><xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_Suma'"/></xsl:call-template></P_Suma>
        </PozycjeSzczegolowe>
      </Zalacznik_CIT-D>
    </Deklaracja>
  </xsl:template>

  <!-- Row $i and the ones after it, up to the last the form has; a row without an amount is left out. -->
  <xsl:template name="wiersz">
    <xsl:param name="i"/>
    <xsl:if test="key('pole', concat('P_Db', $i))">
      <xsl:variable name="kwota"><xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="concat('P_Db', $i)"/></xsl:call-template></xsl:variable>
      <xsl:if test="number($kwota) != 0">
        <P_D>
          <P_Da><xsl:value-of select="normalize-space(key('pole', concat('P_Da', $i)))"/></P_Da>
          <P_Db><xsl:value-of select="$kwota"/></P_Db>
        </P_D>
      </xsl:if>
      <xsl:call-template name="wiersz"><xsl:with-param name="i" select="$i + 1"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A field's amount in złoty and grosze ("1500,5" or "1500.5" gives 1500.50); 0.00 for no number. -->
  <xsl:template name="grosze">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ', ', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number($liczba, '0.00')"/></xsl:when>
      <xsl:otherwise>0.00</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
