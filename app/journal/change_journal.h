#pragma once
// The change journal on disk: one file per agent address in the user's state folder
// (journal/<address>.log, mode 0600), one line per object written, appended whole under a
// lock and synced before the write is reported, so that neither a crash nor a second
// program writing the same file cuts or mixes lines. No community and no pass phrase is
// ever in it; the values of secret objects are written as "concealed".
//
// A line is fields `key=value` after the time, values quoted where they need it:
//
//   2026-12-09T23:30:01.120Z user=ana@desk agent=192.0.2.10:161 program=ms2416x
//   window="Port Control" group=1765323001120-4242-1 write=1765323001120-4242-2
//   object=swL2PortCtrlAdminState index=5 oid=1.3.6.1.4.1.171.11.63.6.2.2.2.1.3.5
//   before=Integer:3 sent=Integer:2 was=enabled now=disabled code=0 outcome="(SNMP++) Success!"
//
// (one line in the file). `undoes=GROUP` marks an Undo, `status=RowStatus` or
// `status=EntryStatus` a row's status column, and `kept=row` a column of a destroyed row
// kept to create it again (it has no `sent`). A value is `Type:text` (Integer, Counter32,
// Gauge32, TimeTicks, Counter64, IpAddress, ObjectId as numbers; OctetString and Opaque
// as a quoted text), `unread` (the agent did not tell), `concealed`, or an exception
// (noSuchObject, noSuchInstance, endOfMibView: the object did not exist).

#include "kv_write_journal.h"

#include <string>
#include <vector>

// One line: one object of one write.
struct KvJournalLine {
  std::string Time;  // UTC, ISO 8601 with milliseconds
  std::string User;  // user@host
  std::string Agent;
  std::string Program;
  std::string Window;
  std::string Group;
  std::string Write;  // the Set the object was in
  std::string Undoes;
  KvJournalObject Object;
  int Code = 0;
  std::string Outcome;
  bool Ok() const { return Code == 0; }
};

// The journal of the program's writes.
class KvChangeJournal : public KvWriteJournal {
public:
  // `folder`: where the files go ("" for the user's state folder's journal/).
  explicit KvChangeJournal(const std::string &program, const std::string &folder = "");
  // Installs itself as the program's journal until it is destroyed.
  void Install();
  ~KvChangeJournal() override;

  void Ready(const std::string &agent) override;
  void Record(const KvJournalWrite &write) override;
  bool IsSecret(const std::string &oid) const override;

  // The file that holds the writes to `agent` ("address:port"): its address, made safe
  // as a file name.
  std::string FileOf(const std::string &agent) const;
  const std::string &Folder() const { return folder_; }

private:
  std::string program_;
  std::string folder_;
  std::string user_;
  bool installed_ = false;
};

// The file of `agent` in the program's journal (the installed one's folder, else the
// user's state folder's journal/).
std::string JournalFileFor(const std::string &agent);

// The lines of `write` as the file holds them.
std::string FormatJournalWrite(const KvJournalWrite &write, const std::string &program, const std::string &user,
                               const std::string &time);
// Reads one line; false when it is not a journal line.
bool ParseJournalLine(const std::string &line, KvJournalLine &out);

struct KvJournalReading {
  std::vector<KvJournalLine> Lines;  // in file order
  int Unreadable = 0;                // lines that are not journal lines (or a cut last line)
  std::string Error;                 // the file could not be read ("" when it could, or is missing)
};
// The lines of a journal file that belong to `agent` (all of them when "").
KvJournalReading ReadJournalFile(const std::string &fileName, const std::string &agent = "");

// A value as the journal writes it, and back.
std::string JournalValueText(const std::optional<SnmpValue> &value, bool secret);
bool ParseJournalValue(const std::string &text, std::optional<SnmpValue> &value, bool &concealed);
