<?xml version="1.0" encoding="UTF-8"?>
<!-- CIT-ST(7), the taxpayer's establishments and their employees: an attachment of the CIT-8(24). One "P_E"
     for each establishment (the rows of a later CIT-ST of the same return go before the first one's total
     "P_169"), then the total; "Zalaczniki" receives the return's CIT-ST/A attachments when it has any. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:wzor:CIT-8:24/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Zalacznik_CIT-ST>
        <Naglowek>
          <KodFormularza kodSystemowy="CIT-ST (7)" wersjaSchemy="1-0E">CIT-ST</KodFormularza>
          <WariantFormularza>7</WariantFormularza>
        </Naglowek>
        <PozycjeSzczegolowe>
          <xsl:call-template name="wiersz"><xsl:with-param name="i" select="1"/></xsl:call-template>
          <P_169><xsl:value-of select="number(concat('0', normalize-space(key('pole', 'P_169'))))"/></P_169>
        </PozycjeSzczegolowe>
        <xsl:if test="number(key('pole', 'P_170')) &gt; 0"><Zalaczniki/></xsl:if>
      </Zalacznik_CIT-ST>
    </Deklaracja>
  </xsl:template>

  <!-- Establishment $i and the ones after it; a row without a name is left out, and so are its empty
       optional positions. -->
  <xsl:template name="wiersz">
    <xsl:param name="i"/>
    <xsl:if test="key('pole', concat('P_Ea', $i))">
      <xsl:if test="normalize-space(key('pole', concat('P_Ea', $i))) != ''">
        <P_E>
          <xsl:for-each select="key('pole', concat('P_Ea', $i)) | key('pole', concat('P_Eb', $i)) |
                                key('pole', concat('P_Ec', $i)) | key('pole', concat('P_Ed', $i)) |
                                key('pole', concat('P_Ee', $i)) | key('pole', concat('P_Ef', $i))">
            <xsl:if test="normalize-space(.) != ''">
              <xsl:element name="{substring(name(), 1, 4)}"><xsl:value-of select="normalize-space(.)"/></xsl:element>
            </xsl:if>
          </xsl:for-each>
          <P_Eg><xsl:value-of select="number(concat('0', normalize-space(key('pole', concat('P_Eg', $i)))))"/></P_Eg>
        </P_E>
      </xsl:if>
      <xsl:call-template name="wiersz"><xsl:with-param name="i" select="$i + 1"/></xsl:call-template>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
