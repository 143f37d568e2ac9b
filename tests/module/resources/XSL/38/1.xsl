<?xml version="1.0" encoding="UTF-8"?>
<!-- A CIT-BR attachment's document: its number in the header and its entry as a "P_D". -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/test/cit8/" exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
    <Deklaracja><Zalacznik_CIT-BR><Naglowek><Id><xsl:value-of select="$s/DkN_Numer"/></Id></Naglowek><PozycjeSzczegolowe><P_D><xsl:value-of select="$s/Wpis"/></P_D></PozycjeSzczegolowe></Zalacznik_CIT-BR></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
