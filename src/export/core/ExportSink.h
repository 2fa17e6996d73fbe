#pragma once
// Where an export's bytes go. A failed write is always an error: a file is
// replaced only once every byte is on the disk, and an earlier file stays
// exactly as it was when anything goes wrong.

#include <QByteArray>
#include <QString>

class ExportSink {
  public:
    virtual ~ExportSink() = default;
    // False, with reason(), when the bytes could not be written.
    virtual bool write(const char *data, qint64 size) = 0;
    // After the last write: false, with reason(), when the output is not complete.
    virtual bool finish() = 0;
    // The export failed: nothing of it is left behind where that can be helped.
    virtual void abandon() = 0;
    QString reason() const { return m_reason; }

  protected:
    bool fail(const QString &why);
    QString m_reason;
};

// A file written to a temporary file beside it, synced, then renamed over it.
class FileReplacement : public ExportSink {
  public:
    explicit FileReplacement(QString path);
    ~FileReplacement() override;
    // Creates the temporary file; false, with reason(), when it cannot.
    bool open();
    bool write(const char *data, qint64 size) override;
    bool finish() override;
    void abandon() override;

  private:
    QString m_path; // the file to replace, links followed
    QString m_temporary;
    int m_fd = -1;
};

// An open descriptor, standard output for one: every write checked, and the
// descriptor closed at the end so that a late error is seen too.
class DescriptorOutput : public ExportSink {
  public:
    explicit DescriptorOutput(int fd);
    bool write(const char *data, qint64 size) override;
    bool finish() override;
    void abandon() override {}

  private:
    int m_fd;
};

// The bytes in memory.
class BufferOutput : public ExportSink {
  public:
    bool write(const char *data, qint64 size) override;
    bool finish() override { return true; }
    void abandon() override {}
    QByteArray bytes;
};
