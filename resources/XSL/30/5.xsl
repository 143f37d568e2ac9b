<?xml version="1.0" encoding="UTF-8"?>
<!-- CIT-ST/A(5), the establishments with the dates their activity began: an attachment of the CIT-ST, placed
     among the first CIT-ST's "Zalaczniki". Its positions are only the repeated "P_B1" rows, since the rows
     of a later CIT-ST/A are appended to the first one's. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:wzor:CIT-8:24/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_CIT-ST_A>
        <Naglowek>
          <KodFormularza kodSystemowy="CIT-ST/A (5)" wersjaSchemy="1-0E">CIT-ST/A</KodFormularza>
          <WariantFormularza>5</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <xsl:call-template name="wiersz"><xsl:with-param name="i" select="1"/></xsl:call-template>
        </PozycjeSzczegolowe>
      </Zalacznik_CIT-ST_A>
    </Deklaracja>
  </xsl:template>

  <!-- Establishment $i and the ones after it; a row without a name is left out, and so are its empty
       optional positions. -->
  <xsl:template name="wiersz">
    <xsl:param name="i"/>
    <xsl:if test="key('pole', concat('P_Ba', $i))">
      <xsl:if test="normalize-space(key('pole', concat('P_Ba', $i))) != ''">
        <P_B1>
          <xsl:for-each select="key('pole', concat('P_Ba', $i)) | key('pole', concat('P_Bb', $i)) |
                                key('pole', concat('P_Bc', $i)) | key('pole', concat('P_Bd', $i))">
            <xsl:if test="normalize-space(.) != ''">
              <xsl:element name="{substring(name(), 1, 4)}"><xsl:value-of select="normalize-space(.)"/></xsl:element>
            </xsl:if>
          </xsl:for-each>
          <P_Be><xsl:value-of select="number(concat('0', normalize-space(key('pole', concat('P_Be', $i)))))"/></P_Be>
        </P_B1>
      </xsl:if>
      <xsl:call-template name="wiersz"><xsl:with-param name="i" select="$i + 1"/></xsl:call-template>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
