// The wide text buffer of the expression evaluator: up to N WCHAR characters
// live in place, in the object itself; a longer text moves into an allocated
// system string (SysAllocStringLen), and a text that fits again moves back.
// The characters are always NUL-terminated. It offers the same names as
// CString for what the evaluator does with its texts (assign, append,
// length, characters), so one evaluator template serves both widths.
//
// Running out of memory ends the process with a message on stderr, as
// CString does.
#pragma once

// The storage logic of every MVBstrBuf<N>, compiled once: it is given the
// in-place room and its size with each call.
class MVBstrBufBase {
public:
    int GetLength() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    // Whether the text lives in an allocated system string.
    bool IsAllocated() const { return m_heap != nullptr; }

protected:
    MVBstrBufBase() noexcept = default;
    ~MVBstrBufBase() { SysFreeString(m_heap); }
    MVBstrBufBase(const MVBstrBufBase&) = delete;
    MVBstrBufBase& operator=(const MVBstrBufBase&) = delete;

    static int Length(const WCHAR* text);
    // text must hold length characters; it may point into the buffer.
    void Set(WCHAR* local, int room, const WCHAR* text, int length);
    void Add(WCHAR* local, int room, const WCHAR* text, int length);
    void Clear(WCHAR* local);
    // Takes other's system string, or copies its in-place text.
    void Take(WCHAR* local, int room, MVBstrBufBase& other, WCHAR* otherLocal);

    BSTR m_heap = nullptr;
    int m_length = 0;
};

template <int N>
class MVBstrBuf : public MVBstrBufBase {
    static_assert(N > 0, "room for at least one character in place");

public:
    MVBstrBuf() noexcept { m_local[0] = 0; }
    MVBstrBuf(const WCHAR* text) : MVBstrBuf() { SetString(text); }
    MVBstrBuf(const WCHAR* text, int length) : MVBstrBuf() { SetString(text, length); }
    MVBstrBuf(const MVBstrBuf& other) : MVBstrBuf() { SetString(other.GetString(), other.m_length); }
    MVBstrBuf(MVBstrBuf&& other) noexcept : MVBstrBuf() { Take(m_local, N, other, other.m_local); }

    MVBstrBuf& operator=(const MVBstrBuf& other)
    {
        SetString(other.GetString(), other.m_length);
        return *this;
    }
    MVBstrBuf& operator=(MVBstrBuf&& other) noexcept
    {
        if (this != &other)
            Take(m_local, N, other, other.m_local);
        return *this;
    }
    MVBstrBuf& operator=(const WCHAR* text)
    {
        SetString(text);
        return *this;
    }

    MVBstrBuf& operator+=(const MVBstrBuf& other)
    {
        Append(other.GetString(), other.m_length);
        return *this;
    }
    MVBstrBuf& operator+=(const WCHAR* text)
    {
        Append(text);
        return *this;
    }
    MVBstrBuf& operator+=(WCHAR ch)
    {
        AppendChar(ch);
        return *this;
    }

    const WCHAR* GetString() const { return m_heap ? m_heap : m_local; }
    operator const WCHAR*() const { return GetString(); }

    // Out of range: GetAt gives 0 and SetAt does nothing.
    WCHAR GetAt(int index) const { return index >= 0 && index < m_length ? GetString()[index] : 0; }
    WCHAR operator[](int index) const { return GetAt(index); }
    void SetAt(int index, WCHAR ch)
    {
        if (index >= 0 && index < m_length)
            (m_heap ? m_heap : m_local)[index] = ch;
    }

    void Empty() { Clear(m_local); }

    // A null text counts as empty; text with a length must hold that many
    // characters. Either may point into this buffer.
    void SetString(const WCHAR* text) { Set(m_local, N, text, text ? Length(text) : 0); }
    void SetString(const WCHAR* text, int length) { Set(m_local, N, text, length); }
    void Append(const WCHAR* text) { Add(m_local, N, text, text ? Length(text) : 0); }
    void Append(const WCHAR* text, int length) { Add(m_local, N, text, length); }
    void AppendChar(WCHAR ch) { Add(m_local, N, &ch, 1); }

private:
    WCHAR m_local[N + 1];
};
