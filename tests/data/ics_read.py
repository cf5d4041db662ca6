# Reads a calendar file with python3-icalendar and prints one line per event, in file order:
# local start and end (or the date of an all-day event), summary, location, description (with
# line ends as "|"), and the UID.
import sys

from icalendar import Calendar

with open(sys.argv[1], "rb") as f:
    calendar = Calendar.from_ical(f.read())
for event in calendar.walk("VEVENT"):
    start = event.decoded("DTSTART")
    end = event.decoded("DTEND")
    if hasattr(start, "hour"):
        when = start.astimezone().strftime("%Y-%m-%d %H:%M") + "-" + end.astimezone().strftime("%H:%M")
    else:
        when = start.isoformat()
    fields = [when, str(event.get("SUMMARY", "")), str(event.get("LOCATION", "")),
              str(event.get("DESCRIPTION", "")).replace("\n", "|"), str(event.get("UID"))]
    print(" ~ ".join(fields))
