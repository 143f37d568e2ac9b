<?xml version="1.0" encoding="UTF-8"?>
<!-- A VAT-UE's document with an empty list of positions for its attachments' groups. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2011/10/25/690/" exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <Deklaracja><Naglowek><NIP><xsl:value-of select="/d:Deklaracja/Schemat/Nip"/></NIP></Naglowek><PozycjeSzczegolowe/></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
