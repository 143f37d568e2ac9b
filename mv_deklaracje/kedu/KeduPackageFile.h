// The file of a KEDU package: the package's declarations read afresh, each in the order of its
// identifier, with the child declarations of each (a DRA's reports) after it, depth first. A
// declaration whose parent is in the package is written only as that parent's child. The whole
// package takes one route: the module's KEDU XML writers, or the host's KEDU component fed with the
// declarations' own document texts.
#pragma once

#include <cstddef>
#include <vector>

#include "hostapi/Kedu.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/ado/Ado.h"
#include "tlb/Enumerations.h"

class KeduPackageFile {
public:
    // How many declarations one host session loads for the documents text before it is let go.
    static constexpr std::size_t kBatchSize = 50;

    // Reads the declarations of package `packageId` in a host session of its own. Parent links that
    // lead back into a declaration's own ancestry are refused with a message.
    explicit KeduPackageFile(long packageId);

    // The route of the whole package: expKEDU for an empty package or one of KEDU-route declarations
    // only, expXML for XML-route ones only, expMieszany when both are there.
    FormatEksportuZUSEnum Route() const;
    // Refuses, with a message, a package that cannot be written as one file: an empty one, a mixed one,
    // and one with DRA declarations of both schema generations.
    void CheckWritable() const;

    // The KEDU XML document: the header of the package's generation (that of its DRA declarations, the
    // 2016 one without any), the body of every top declaration and "</KEDU>".
    CBstr PackageXml() const;
    // The document texts of every declaration and its children, in file order.
    CBstr DocumentsText() const;
    // The host component's file: its opening line, the documents text and its closing line, without
    // the closing line's end (the road adds it).
    CBstr KeduFileText(IKeduPlik* component) const;

    // The declarations in the order their document texts are written, children after their parent.
    const std::vector<long>& FileOrder() const { return fileOrder_; }

private:
    struct Declaration {
        long id = 0;
        long parent = 0;
        long type = 0;
        long version = 0;
        FormatEksportuZUSEnum route = expXML;
    };

    void ReadPackage(long packageId);
    // Adds the declaration and, depth first, its children to the file order; `path` holds its ancestors.
    void WalkChildren(Connection* connection, long id, std::vector<long>& path);
    KeduGeneration Generation() const;

    std::vector<Declaration> tops_;   // written on their own, in identifier order
    std::vector<long> fileOrder_;     // every declaration of the documents text
};
