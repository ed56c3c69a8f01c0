#!/usr/bin/env python3
"""Writes the fuzz seed corpus (fuzz/corpus/<target>/) from the sample data and the edge cases
the readers must survive. Run from the source folder; the output is committed."""
import os

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def lines(name, count, start=0):
    with open(os.path.join("data", name), "rb") as f:
        return f.read().split(b"\n")[start:start + count]


def write(target, seeds):
    folder = os.path.join(root, target)
    os.makedirs(folder, exist_ok=True)
    for i, data in enumerate(seeds):
        with open(os.path.join(folder, "seed%02d" % i), "wb") as f:
            f.write(data)


items, spells, extra = lines("Items.txt", 400), lines("spells.txt", 100), lines("spellsVtab0.txt", 12)
zeros = lambda n: b",".join([b"0"] * n)
edge_lines = [b"", b" ", zeros(58), zeros(59) + b",0", b"1,\"2\",0", b"2147483648,x",
              b"-2147483649,x", b"1\x00,x", b"\xff\xfe,\xff", b"1,a\rb,3", b",,,,,"]

write("item_line", items[0:6] + [items[100], items[250], items[399]] + edge_lines +
      [b"9,Echo," + zeros(3) + b",43,43,43" + b",0" * 39 + b",12,12,12"])
write("spell_line", [b"\n".join(spells[0:4]), spells[10], spells[50], extra[0], b"\n".join(extra[1:4])] +
      edge_lines + [b"1,A,0,0,0,0,0,0,0,0,0,0,0,0,0,2,2,2,2,2,2,2,2,2,2,151,151,151,151,151,151,151,151,151,151\n"
                    b"2,B," + zeros(13) + b",3,3,3,3,3,3,3,3,3,3,151,151,151,151,151,151,151,151,151,151\n"
                    b"3,C," + zeros(41)])
write("data_folder", [b"\n".join(spells[0:20]) + b"@@@@" + b"\n".join(extra[0:3]) + b"@@@@" + b"\n".join(items[0:30]),
                      b"\n".join(spells[40:45]) + b"\r\n@@@@@@@@" + b"\r\n".join(items[200:210]) + b"\r\n",
                      b"@@@@@@@@" + b"\r".join(items[0:5]),
                      b"\n\n\n@@@@" + zeros(42) + b"@@@@" + zeros(58),
                      spells[3] + b"\x00@@@@@@@@" + items[3] + b"\xff"])
write("numbers", [b"0", b"65", b" 65", b"-1", b"+7", b"2147483647", b"2147483648", b"-2147483648",
                  b"-2147483649", b"6x5", b"03-", b"--", b"0x1F", b"1e3", b"5.5", b"5,5", b"", b"\x00",
                  b"99999999999999999999"])
write("set_file", [b"cbxHead=1\r\ncbxWeapon=6\r\nedtEenc=0\r\nedtEncM=0\r\nedtStrength=100\r\nedtMiscAC=1\r\n"
                   b"Level=65\r\nClass=Warrior\r\nAlignment=Good\r\nAgility=50\r\n",
                   b"ALIGNMENT=n\rclass=Nobody\rCBXHEAD=1\rcbxhead=2\rLEVEL= 70 \rjunk\rcbxFeet=x\r",
                   b"=\n==\ncbxHeadcbxNeck=3\n", b"\x00\x01\x02\xff\xfe=\xff\n", b"Level=--\nStr=99999999999\n"])
write("paste", [b"leather cap (Head)\nsilver ring (Finger)\nsilver ring (Finger)\n",
                b"You are wearing:\n" + b"\n".join(
                    l.split(b",")[1].strip(b" \"") + b" " + m for l, m in zip(items[0:16], [
                        b"(Head)", b"(Neck)", b"(Back)", b"(Ears)", b"(Torso)", b"(Arms)", b"(Hands)", b"(Finger)",
                        b"(Finger)", b"(Wrist)", b"(Waist)", b"(Legs)", b"(Feet)", b"(Off-Hand)", b"(Worn)",
                        b"(Weapon Hand)"])),
                b"(((((((((())))))))))", b"(Head", b"Head)", b"()"])
write("damage", [b"Miss: 5%  Hit: 70%      Avg: 20  Extra: 20% Avg: 15 Crit: 10%  Avg: 60",
                 b"Miss:1 Hit:100%3 x Avg:1234567 Extra:", b"Miss: 1 Hit: 2 Avg: 3",
                 b"Hit: 99999999% Avg: 9999 Extra: 100% Avg: 9999 Crit: 100% Avg: 9999", b"Hit:\x00Avg:"])
write("scale_text", [b'( Vantor scale v1: "Tank": AC=1, DR=1.5, Stealth=0.5 max 60, "Resist Fire"=0.25 )',
                     b'gz says: ( Vantor scale v1: "Scout": Stealth=2 max 40 ) ok?', b'( Vantor scale v1: "E": )',
                     b'( Vantor scale v1: "T": AC=1 max 1, DR=1 max 1, Crits=1 max 1, Stealth=1 max 1, MR=1 max 1 )',
                     b'( Vantor scale v1: "T": "Max Damage"=-21474836.47 max -99999999.9 )',
                     b'( Vantor scale v1: "T": AC=1, AC=2 )', b'(((( Vantor scale v1: """"', b'\x00( Vantor scale v1:'])
write("settings", [b"[format]\nprogram=vantor-viewer\nversion=1\n[session]\ngeometry=AdnQywADAAAAAAAAAAAAAA==\npage=4\n"
                   b"set=\"cbxHead=1\\r\\ncbxWeapon=6\\r\\nedtEenc=0\\r\\nLevel=40\\r\\nClass=Warrior\\r\\n\"\n"
                   b"[scales]\nactive=Tank\n1=\"( Vantor scale v1: \\\"Tank\\\": AC=1, DR=1.5 )\"\n",
                   b"[format]\nprogram=vantor-viewer\nversion=1\n[session]\npage=@Variant(\\0\\0\\0\\x7f)\nset=@ByteArray(x)\n",
                   b"[format]\nprogram=vantor-viewer\nversion=99\n", b"\x00\xff[\x01", b"",
                   b"[format]\nprogram=vantor-viewer\nversion=1\n[session]\npage=@Variant(\\0\\0\\0AA7f)\n",
                   b"[format]\nprogram=vantor-viewer\nversion=1\n[session]\npage=-1\nset=cbxHead=99999999999\n"])
write("character_file", [b"Character=Thorn\r\ncbxHead=1\r\nedtStrength=100\r\nLevel=65\r\nClass=Warrior\r\n"
                         b'Scale=( Vantor scale v1: "Tank": AC=1, DR=1.5, Stealth=0.5 max 60 )\r\nOwned=1,6,300\r\n',
                         b"character=A\nLevel=1\nscale=( Vantor scale v1: \"E\": )\nOWNED=\n",
                         b"Character=A\nCharacter=B\nLevel=1\n", b"Character=\xff\x00\nOwned=1,,2\n",
                         b"Character=A\nLevel=1\nScale=( Vantor scale v1: \"E\": )\nOwned=2147483648,-1,+2\n"])
