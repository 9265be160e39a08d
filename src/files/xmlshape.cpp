#include "xmlshape.h"

#include <algorithm>
#include <cstring>

namespace zef {

namespace {

class Scanner {
public:
    explicit Scanner(const QByteArray& bytes)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size()) {}

    XmlShape run() {
        while (m_p < m_end) {
            const char* tag = find('<');
            if (tag != m_p) ++m_shape.nodes; // the text before the tag (or to the end)
            if (tag == m_end) break;
            m_p = tag + 1;
            markup();
        }
        return m_shape;
    }

private:
    // After a '<'.
    void markup() {
        if (startsWith("/")) {
            skipPast(">");
        } else if (startsWith("!--")) {
            ++m_shape.nodes;
            skipPast("-->");
        } else if (startsWith("![CDATA[")) {
            ++m_shape.nodes;
            skipPast("]]>");
        } else if (startsWith("?")) {
            ++m_shape.nodes;
            skipPast("?>");
        } else if (startsWith("!")) {
            ++m_shape.nodes;
            skipPast(">");
        } else {
            ++m_shape.nodes;
            startTag();
        }
    }

    // Every attribute has exactly one quoted value, so quoted values bound the
    // attributes whatever their names look like.
    void startTag() {
        qsizetype count = 0;
        while (m_p < m_end && *m_p != '>') {
            if (*m_p == '"' || *m_p == '\'') {
                const char quote = *m_p++;
                const char* close = find(quote);
                ++count;
                m_p = close == m_end ? m_end : close + 1;
            } else {
                ++m_p;
            }
        }
        if (m_p < m_end) ++m_p;
        m_shape.attributes += count;
        m_shape.mostAttributes = std::max(m_shape.mostAttributes, count);
    }

    const char* find(char c) const {
        const void* hit = std::memchr(m_p, c, static_cast<std::size_t>(m_end - m_p));
        return hit ? static_cast<const char*>(hit) : m_end;
    }

    bool startsWith(const char* text) const {
        const std::size_t n = std::strlen(text);
        return static_cast<std::size_t>(m_end - m_p) >= n && std::memcmp(m_p, text, n) == 0;
    }

    void skipPast(const char* text) {
        const std::size_t n = std::strlen(text);
        const char* hit = std::search(m_p, m_end, text, text + n);
        m_p = hit == m_end ? m_end : hit + n;
    }

    const char* m_p;
    const char* m_end;
    XmlShape m_shape;
};

} // namespace

XmlShape measureXmlShape(const QByteArray& bytes) {
    return Scanner(bytes).run();
}

} // namespace zef
