<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT/BR(1), qualified research and development costs deducted from the business income: an attachment of the
     PIT-36(23) or PIT-36L(12) (namespace urn:tlx:projekt:PIT-BR-1/, the project's). Its positions are only the
     repeated "P_D" rows (kind of costs, qualified costs, deduction), since the rows of a later PIT/BR of the
     same person are appended to the first one's. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:projekt:PIT-BR-1/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_PIT_BR>
        <Naglowek>
          <KodFormularza kodSystemowy="PIT/BR (1)" wersjaSchemy="1-0E">PIT/BR</KodFormularza>
          <WariantFormularza>1</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <xsl:call-template name="wiersz"><xsl:with-param name="i" select="1"/></xsl:call-template>
        </PozycjeSzczegolowe>
      </Zalacznik_PIT_BR>
    </Deklaracja>
  </xsl:template>

  <!-- Row $i and the ones after it; a row without a deduction is left out. -->
  <xsl:template name="wiersz">
    <xsl:param name="i"/>
    <xsl:if test="key('pole', concat('P_Dc', $i))">
      <xsl:variable name="odliczenie"><xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="concat('P_Dc', $i)"/></xsl:call-template></xsl:variable>
      <xsl:if test="number($odliczenie) != 0">
        <P_D>
          <P_Da><xsl:value-of select="normalize-space(key('pole', concat('P_Da', $i)))"/></P_Da>
          <P_Db><xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="concat('P_Db', $i)"/></xsl:call-template></P_Db>
          <P_Dc><xsl:value-of select="$odliczenie"/></P_Dc>
        </P_D>
      </xsl:if>
      <xsl:call-template name="wiersz"><xsl:with-param name="i" select="$i + 1"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A field's amount in złoty and grosze; 0.00 for no number. -->
  <xsl:template name="grosze">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ', ', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number($liczba, '0.00')"/></xsl:when>
      <xsl:otherwise>0.00</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
