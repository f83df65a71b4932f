#pragma once

#include "richtext/omissions.h"
#include "richtext/rtfcodepages.h"
#include "richtext/rtfdocumentbuilder.h"
#include "richtext/rtffields.h"
#include "richtext/rtflisttable.h"
#include "richtext/rtfstate.h"
#include "richtext/rtftables.h"

#include <QByteArrayView>

#include <vector>

class QTextDocument;

namespace richtext {

struct ControlWord;
struct RtfToken;

// Follows the tokens of an RTF file group by group, keeps the formatting
// state of each open group and sends the text where its group says.
class RtfInterpreter
{
public:
    // Groups nested deeper than this are left out, with all they hold.
    static constexpr int maxDepth = 256;

    explicit RtfInterpreter(QTextDocument *document);

    void read(QByteArrayView bytes);
    // What the file held that the document leaves out or flattens.
    Omissions omissions() const { return m_omissions; }

private:
    void groupStart();
    bool groupEnd();
    void controlWord(const RtfToken &token, bool ignorable);
    void apply(const ControlWord &word, const RtfToken &token);
    void controlSymbol(char symbol);
    void unicode(int value);
    void bytes(QByteArrayView text);
    void characters(QStringView text);
    void noteHiddenText();
    void enterDestination(Destination destination);
    void leaveGroup(const GroupState &closed);
    int textCodePage() const;
    QString decode(QByteArrayView bytes, int codePage);
    GroupState &state() { return m_groups.back(); }

    CodePageDecoder m_decoder;
    FontTable m_fonts;
    ColorTable m_colors;
    ListTable m_lists;
    FieldStack m_fields;
    DocumentBuilder m_builder;

    std::vector<GroupState> m_groups;
    int m_skippedDepth = 0;  // open groups beyond maxDepth
    int m_fallbackBytes = 0; // still to skip after a \uN
    bool m_atGroupStart = false;
    bool m_ignorableNext = false; // a \* said: skip the group unless the next word is known
    int m_codePage = CodePageDecoder::defaultCodePage;
    int m_defaultFont = 0;
    Omissions m_omissions;
};

} // namespace richtext
