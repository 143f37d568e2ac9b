<?xml version="1.0" encoding="UTF-8"?>
<!-- A VAT-UE's document with the header and taxpayer the gateway reads, and its attachments' groups. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:test:vatue:2" exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
    <Deklaracja><Naglowek><KodFormularza>VAT-UE</KodFormularza><KodUrzedu><xsl:value-of select="$s/KodUrzedu"/></KodUrzedu></Naglowek><Podmiot1><NIP><xsl:value-of select="$s/Nip"/></NIP></Podmiot1><PozycjeSzczegolowe/></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
