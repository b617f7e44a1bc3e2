#!/usr/bin/env python3
"""No function of src/ is longer than 50 lines (its braces included): a long
function is split into named steps. Member functions and functions in headers
count too; a lambda counts as part of the function it is written in."""
import os
import re
import sys

LIMIT = 50
res = []
ctrl=re.compile(r'^\s*(if|for|while|switch|catch|else|do|return|case)\b')
for root,_,fs in os.walk(sys.argv[1]):
  for f in fs:
    if not f.endswith(('.cpp','.h')): continue
    p=os.path.join(root,f); L=open(p,encoding='utf-8').read().split('\n')
    stack=[]
    for i,l in enumerate(L):
      s=re.sub(r'//.*','',l); s=re.sub(r'"(\\.|[^"\\])*"','""',s); s=re.sub(r"'(\\.|[^'\\])*'","''",s)
      for ci,ch in enumerate(s):
        if ch=='{':
          head=s[:ci]
          prev=L[i-1] if i>0 else ''
          isfn = (re.search(r'\)\s*(const)?\s*(override)?\s*(noexcept)?\s*(->\s*[\w:<>]+)?\s*$',head) or (head.strip()=='' and re.search(r'\)\s*(const)?\s*(override)?\s*$',prev))) and not ctrl.match(head) and not re.search(r'\b(if|for|while|switch)\s*\(',head) and not re.search(r'\]\s*\(.*\)\s*(mutable)?\s*$',head) and not re.search(r'\[[^\]]*\]\s*$',head)
          stack.append((i,isfn,l.strip()[:70]))
        elif ch=='}':
          if stack:
            j,isfn,hl=stack.pop()
            if isfn and i-j+1>LIMIT: res.append((i-j+1,p,j+1,hl))
res.sort(reverse=True)
for n, path, line, head in res:
  print(f"{path}:{line}: a function of {n} lines (at most {LIMIT}): {head}")
if not res:
  print(f"functions: none longer than {LIMIT} lines")
sys.exit(1 if res else 0)
